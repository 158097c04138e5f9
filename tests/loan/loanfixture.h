#pragma once
// A loan calculator window in a temporary program folder, driven through its
// real controls as a user would.
#include "components/grid.h"
#include "fakes.h"
#include "loan/loansheet.h"
#include "windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace tq::test {

struct LoanFixture {
    TestProgram tp;
    QWidget launcher;
    QPointer<LoanSheet> window;

    LoanFixture()
    {
        tp.program.state.displayMode = DisplayMode::Smaller;
        window = openToolWindow<LoanSheet>(tp.program, &launcher);
    }
    ~LoanFixture() { delete window; }

    template <typename T> T *find(const QString &name) const { return findNamed<T>(window.data(), name); }
    QLineEdit *box(const QString &name) const { return find<QLineEdit>(name); }
    QComboBox *combo(const QString &name) const { return find<QComboBox>(name); }
    QPushButton *button(const QString &name) const { return find<QPushButton>(name); }
    Grid *grid() const { return window->form().grid; }
    QString loanAmountText() const { return find<QLabel>(QStringLiteral("Label3"))->text(); }

    void type(const QString &boxName, const QString &text) const { QTest::keyClicks(box(boxName), text); }
    // Picks a rate from the list, as a click on one of its items does.
    void chooseRate(const QString &comboName, const QString &rate) const
    {
        QComboBox *c = combo(comboName);
        c->setCurrentIndex(c->findText(rate));
    }
    void click(const QString &buttonName) const { clickButton(window, buttonName); }
    void trigger(const QString &actionName) const { findAction(window, actionName)->trigger(); }

    // Purchase, lengths and rates entered, then "Show Payments".
    void showTable(const QString &purchase, const QString &maxLength, const QString &minLength,
                   const QString &maxRate, const QString &minRate) const
    {
        type(QStringLiteral("txtPurchTotl"), purchase);
        type(QStringLiteral("txtLenMax"), maxLength);
        type(QStringLiteral("txtLenMin"), minLength);
        chooseRate(QStringLiteral("comIntrMax"), maxRate);
        chooseRate(QStringLiteral("comIntrMin"), minRate);
        click(QStringLiteral("cmdCalcPmts"));
    }

    void clickCell(int row, int col, Qt::KeyboardModifiers modifiers = {}) const
    {
        const GridSpot spot = grid()->cellSpot(row, col);
        QTest::mouseClick(spot.widget, Qt::LeftButton, modifiers, spot.rect.center());
    }
    void doubleClickCell(int row, int col) const
    {
        const GridSpot spot = grid()->cellSpot(row, col);
        QTest::mouseDClick(spot.widget, Qt::LeftButton, {}, spot.rect.center());
    }
    // Highlights whole columns from `first` to `last` as a click and a shift-click do.
    void highlightColumns(int first, int last) const
    {
        clickCell(1, first);
        clickCell(1, last, Qt::ShiftModifier);
    }
};

} // namespace tq::test

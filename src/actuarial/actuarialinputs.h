#pragma once
// The actuarial window's entry boxes in their three panels: amount and
// payments, the rate range and the year range. The boxes filter what is
// typed into them as they change.
#include "actuarial/valuetables.h"

#include <QObject>
#include <QRect>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

namespace tq {

class Prompter;

class ActuarialInputs : public QObject
{
    Q_OBJECT
public:
    // Places a widget at its design geometry (twips, relative to its parent).
    using Place = std::function<void(QWidget *, const QRect &)>;

    ActuarialInputs(Prompter &prompter, QWidget *panel, const Place &place);

    ValueTableInputs values() const;
    void apply(const BoxExchange &exchange);
    void focus(FailingInput input);
    void clearAmountAndPayments();

    QList<QWidget *> tabOrder() const;
    QList<QFrame *> panels() const { return {m_inputPanel, m_ratePanel, m_yearPanel}; }
    QLineEdit *amountBox() const { return m_text1; }

private:
    QFrame *makePanel(const QString &name, const QString &caption, const QRect &twips);
    QLineEdit *makeTextBox(QFrame *panel, const QString &name, const QString &caption, int maxLength,
                           const QRect &captionTwips, const QRect &boxTwips);
    QComboBox *makeRateBox(QFrame *panel, const QString &name, const QString &caption, int top);
    void filter(QLineEdit *box, bool capped);

    Prompter &m_prompter;
    QWidget *m_parent;
    Place m_place;
    QFrame *m_inputPanel = nullptr;
    QFrame *m_ratePanel = nullptr;
    QFrame *m_yearPanel = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    QLineEdit *m_text4 = nullptr;
};

} // namespace tq

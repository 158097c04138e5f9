#pragma once
// The home affordability calculator window: six inputs, seven results, a
// printed report and a clipboard text, on the shared tool window frame.
#include "frame/toolwindow.h"
#include "homecalc/homecalcsheet.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tq {

class HomeCalc : public ToolWindow
{
    Q_OBJECT
public:
    HomeCalc(Program &program, QWidget *launcher);

    // The inputs and result of the last calculation, while they are shown.
    const HomeCalcSheet &sheet() const { return m_sheet; }
    // "&Calculate": the affordability of the boxes' figures.
    void calculate();

    static ToolWindowConfig homeConfig();

protected:
    bool hasResults() const override; // a result is shown
    void copyResults() override;
    void storeLeaveValues() override;

private:
    QFrame *subPanel(const QString &name, const QString &caption, const QRect &twips);
    QLabel *caption(QWidget *panel, const QString &name, const QString &text, const QRect &twips,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    QLineEdit *entryBox(QWidget *panel, const QString &name, const QRect &twips, bool rateBox = false);
    void buildInputPanel();
    void buildResultPanel();
    void buildButtons();
    void buildPreview();
    void connectInputs();
    void setTabOrders();
    void restoreRate();

    void inputChanged(QLineEdit *box, bool rateBox);
    void loanLengthChosen();
    void clearResults();
    void setPrintable(bool on);
    void showResults();

    HomeCalcSheet m_sheet;
    QLabel *m_face = nullptr;
    QLineEdit *m_income = nullptr;
    QLineEdit *m_debt = nullptr;
    QLineEdit *m_cash = nullptr;
    QComboBox *m_length = nullptr;
    QLineEdit *m_rate = nullptr;
    QLineEdit *m_limit = nullptr;
    // Label3, Label6, Label7, Label8, Label9, Label10, Label16.
    QLabel *m_home = nullptr;
    QLabel *m_payment = nullptr;
    QLabel *m_loan = nullptr;
    QLabel *m_downPayment = nullptr;
    QLabel *m_closingCosts = nullptr;
    QLabel *m_percent = nullptr;
    QLabel *m_limitingFactor = nullptr;
    QPushButton *m_calculate = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_exit = nullptr;
};

} // namespace tq

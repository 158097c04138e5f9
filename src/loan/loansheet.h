#pragma once
// The loan calculator window: monthly payments over a range of rates and
// lengths, the amortization of one of them, its copy and its report.
#include "components/gridtypes.h"
#include "frame/toolwindow.h"
#include "loan/loanengine.h"
#include "loan/loanform.h"
#include "loan/loangridview.h"

#include <memory>
#include <optional>

class QAction;
class QComboBox;

namespace tq {

class DigitEntry;
class PrintDocument;

class LoanSheet : public ToolWindow
{
    Q_OBJECT
public:
    LoanSheet(Program &program, QWidget *launcher);
    ~LoanSheet() override;

    const LoanForm &form() const { return m_form; }
    DownPaymentMode downPaymentMode() const { return m_mode; }
    LengthUnit lengthUnit() const { return m_unit; }
    bool isScheduleShown() const { return m_scheduleShown; }
    const PaymentTable &table() const { return m_table; }
    const AmortizationSchedule &schedule() const { return m_schedule; }
    // The stored values behind the boxes: what the last non-empty text read.
    double purchaseAmount() const;
    double downPayment() const;
    double minimumRate() const { return m_minimumRate; }
    double maximumRate() const { return m_maximumRate; }

    void showPayments();
    void showAmortization();
    void chooseDownPaymentMode(DownPaymentMode mode);
    void chooseLengthUnit(LengthUnit unit);
    void buildReport(PrintDocument &doc);

protected:
    void copyResults() override;
    void openReport() override;
    void onActivated() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void connectControls();

    LoanInputs currentInputs() const;
    void showLoanAmount();
    void validateDownPayment();
    bool normalise(LoanInputs &inputs);
    void showRate(QComboBox *box, double rate);
    void storeRate(QComboBox *box);
    void fail(const QString &text, QWidget *focus);
    void gridClicked();
    void gridDoubleClicked();
    void highlightChanged();
    bool currentCellHoldsPayment() const;
    void syncPopupCopy(bool fromMenuBar);

    LoanForm m_form;
    LoanGridView m_view;
    DigitEntry *m_purchase = nullptr;
    DigitEntry *m_down = nullptr;
    DigitEntry *m_lengthMax = nullptr;
    DigitEntry *m_lengthMin = nullptr;
    double m_minimumRate = 0;
    double m_maximumRate = 0;
    DownPaymentMode m_mode = DownPaymentMode::Percent;
    QString m_downCaption = firstDownCaption;
    std::optional<double> m_loanAmount; // as the loan amount field shows it; none while it is empty
    LengthUnit m_unit = LengthUnit::Years;
    PaymentTable m_table;
    AmortizationSchedule m_schedule;
    bool m_scheduleShown = false;
    bool m_loading = true;
    bool m_firstActivation = true;
    bool m_validating = false;
    QAction *m_optionsCopy = nullptr;
    QAction *m_optionsCopySeparator = nullptr;
    QAction *m_percentDown = nullptr;
    QAction *m_amountDown = nullptr;
    QAction *m_years = nullptr;
    QAction *m_months = nullptr;
    // Columns the report prints, fixed when Print is chosen.
    GridBlock m_printBlock;
    bool m_restrictionPending = false;
};

} // namespace tq

#pragma once
// The loan calculator's own controls, created and placed at their design
// positions inside the tool window's main panel.
#include "loan/loanengine.h"

#include <QRect>
#include <functional>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tq {

class Grid;

struct LoanForm {
    QFrame *amountsPanel = nullptr;   // SSPanel3
    QGroupBox *ratePanel = nullptr;   // SSPanel2
    QGroupBox *lengthPanel = nullptr; // SSPanel1
    QFrame *gridPanel = nullptr;      // SSPanel4
    QLabel *purchaseCaption = nullptr;
    QLineEdit *purchase = nullptr;
    QLabel *downCaption = nullptr;
    QLineEdit *down = nullptr;
    QLabel *loanCaption = nullptr;
    QLabel *loanAmount = nullptr; // Label3
    QComboBox *rateMax = nullptr;
    QComboBox *rateMin = nullptr;
    QLineEdit *lengthMax = nullptr;
    QLineEdit *lengthMin = nullptr;
    QPushButton *showPayments = nullptr;
    QPushButton *showAmortization = nullptr;
    QPushButton *exit = nullptr;
    Grid *grid = nullptr;
    QLabel *note = nullptr; // Label1

    // Puts a widget into the main panel, or into one of the form's panels,
    // at a design rectangle in twips.
    using Placer = std::function<void(QWidget *widget, const QRect &twips)>;
    static LoanForm build(QWidget *mainPanel, const Placer &placeInPanel, const Placer &placeScaled);

    // Every control that pops the Options menu up on a right-button release.
    QList<QWidget *> popupAreas() const;
};

// The down payment's caption until a mode is chosen from the menu, which
// names the mode without the colon.
inline const QString firstDownCaption = QStringLiteral("Percent Down:");
QString downCaptionText(DownPaymentMode mode);

inline const QString yearsNoteText =
    QStringLiteral("Loan Length in Years will show a Monthly Payment for 12 months a year.");

} // namespace tq

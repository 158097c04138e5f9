#pragma once
// The budget window's own controls, created and placed at their design
// positions inside the tool window's main panel.
#include <QList>
#include <QRect>
#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tq {

class Grid;
class MonthlyRows;

struct BudgetForm {
    QLabel *yearCaption = nullptr;    // Label1
    QComboBox *yearBox = nullptr;     // Combo1
    QLabel *boxCaption = nullptr;     // Label8
    QLineEdit *editBox = nullptr;     // Text1
    QLabel *position = nullptr;       // Panel3D4
    QPushButton *copyYear = nullptr;  // Command7
    QPushButton *totals = nullptr;    // Command8
    Grid *grid = nullptr;             // VSGd1
    MonthlyRows *monthly = nullptr;   // Panel3D6
    QPushButton *copyRight = nullptr; // Command4
    QPushButton *deleteRow = nullptr; // Command6
    QPushButton *print = nullptr;     // Command2
    QPushButton *save = nullptr;      // Command5
    QPushButton *spelling = nullptr;  // Command15
    QPushButton *exit = nullptr;      // Command3

    using Placer = std::function<void(QWidget *widget, const QRect &twips)>;
    static BudgetForm build(const Placer &placeInPanel);

    // Everything but the grid a right-button release pops the Options menu up over.
    QList<QWidget *> popupAreas() const;
    QList<QPushButton *> buttons() const;
};

// The window's title, also that of its messages about the year's file.
inline const QString budgetTitle = QStringLiteral("Home Budget");

// The main panel's design size in twips.
inline constexpr int budgetPanelWidth = 10500;
inline constexpr int budgetPanelHeight = 7000;

} // namespace tq

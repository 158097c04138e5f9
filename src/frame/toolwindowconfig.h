#pragma once
// What differs between the tool windows that share the ToolWindow frame.
#include "common/settings.h"
#include "frame/toolbaricons.h"

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>

namespace tq {

// The frame's own commands, reached from menus, the popup and the side toolbar.
enum class FrameCommand { PanelColour, Copy, Print, Help, Exit, Custom };

struct SideButton {
    QString toolTip;
    FrameCommand command = FrameCommand::Custom; // Custom: ToolWindow::onCustomSideButton
    Glyph glyph = Glyph::Help;
};

// objectNames of the frame's menu items; a tool renames what its layout names differently.
struct FrameMenuNames {
    QString options = QStringLiteral("mO");
    QString panelColour = QStringLiteral("mOC");
    QString print = QStringLiteral("mOPrt");
    QString exit = QStringLiteral("mOE");
    QString edit = QStringLiteral("mE");
    QString copy = QStringLiteral("mECopy");
    QString help = QStringLiteral("mH");
};

enum class PopupMenu {
    Context, // the hidden menu `mV`: Panel Color, Copy, Print, Exit
    Options, // the Options menu itself (loan calculator, calculator)
};

struct ToolWindowConfig {
    ToolId tool = ToolId::HomeCalc;
    QString objectName;                  // "HomeCalc", "LoanSheet", "Actua1", "SciCalc", "Budget1"
    QString caption;                     // "Home Calculator", ...; also the idle status text
    int ownTopButton = 0;                // top button disabled as "this window"; 0 = none
    int topButtonCount = 48;             // 49 in the budget
    bool disableUnusedTopButtons = true; // family names and sound buttons disabled
    QList<SideButton> sideButtons = standardSideButtons(true);
    int helpId = 0;
    int previewHelpId = 1014;
    QString colourQuestion = QStringLiteral("Save changes made to Panel and or Text Color?");
    QString mainPanelName = QStringLiteral("Panel3D1");
    QSize panelDesignTwips{9830, 7200};
    QColor designPanelColour = QColor(0x00, 0xFF, 0xFF); // light cyan
    bool checkDefaultColourConflict = true;              // "No" refuses a black system default colour
    bool hasCopy = true;                                 // Edit menu and the Copy items
    bool hasReport = true;                               // the Print items open a report preview
    PopupMenu popup = PopupMenu::Context;
    FrameMenuNames menuNames;

    // "Panel Color", "Copy", "Print", "Help", "Exit"; without copy and print
    // the calculator's "Panel Color", "Help", "Exit".
    static QList<SideButton> standardSideButtons(bool copyAndPrint)
    {
        QList<SideButton> buttons{
            {QStringLiteral("Panel Color"), FrameCommand::PanelColour, Glyph::PanelColour}};
        if (copyAndPrint) {
            buttons.append({QStringLiteral("Copy"), FrameCommand::Copy, Glyph::Copy});
            buttons.append({QStringLiteral("Print"), FrameCommand::Print, Glyph::Print});
        }
        buttons.append({QStringLiteral("Help"), FrameCommand::Help, Glyph::Help});
        buttons.append({QStringLiteral("Exit"), FrameCommand::Exit, Glyph::Exit});
        return buttons;
    }
};

// The window every design is laid out in: 12000 x 9000 twips (smaller screen display).
constexpr QSize designWindowTwips{12000, 9000};

} // namespace tq

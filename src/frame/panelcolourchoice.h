#pragma once
// The panel colour choice a tool window offers: the Yes/No/Cancel question,
// the colour dialog and the colour-conflict check of the system default colour.
#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace tq {

class Prompter;

struct PanelColourPick {
    QColor colour;
    bool isDefault = false; // the system default colour was chosen
};

class PanelColourChoice
{
public:
    static QString questionText();

    // Shown when a colour would make the panel's black text unreadable.
    static void warnColourConflict(Prompter &prompter, QWidget *parent);

    // Nothing when the user cancels, cancels the colour dialog or the system
    // default colour would conflict with the text (checkConflict).
    static std::optional<PanelColourPick> ask(Prompter &prompter, QWidget *parent, const QColor &current,
                                              const QColor &systemDefault, bool checkConflict);
};

} // namespace tq

#include "frame/panelcolourchoice.h"

#include "components/colours.h"
#include "components/prompter.h"

namespace tq {

QString PanelColourChoice::questionText()
{
    return QStringLiteral("Select New Color or Use System Default Color?\r\r"
                          "Yes = Color Selection Panel will appear.\r"
                          "No = Current System Default Color will be selected.");
}

void PanelColourChoice::warnColourConflict(Prompter &prompter, QWidget *parent)
{
    prompter.message(
        parent, {QStringLiteral("Color Conflict"),
                 QStringLiteral("Selected Color would cause a conflict with Text and Background Colors!"),
                 Icon::Critical, int(Button::Ok), Button::Ok});
}

std::optional<PanelColourPick> PanelColourChoice::ask(Prompter &prompter, QWidget *parent,
                                                      const QColor &current, const QColor &systemDefault,
                                                      bool checkConflict)
{
    const Button answer =
        prompter.message(parent, {QStringLiteral("Panel Color"), questionText(), Icon::Information,
                                  int(Button::Yes) | int(Button::No) | int(Button::Cancel), Button::Yes});
    if (answer == Button::Yes) {
        const std::optional<QColor> chosen = prompter.colour(parent, current);
        if (!chosen || !chosen->isValid())
            return std::nullopt;
        return PanelColourPick{*chosen, false};
    }
    if (answer != Button::No)
        return std::nullopt;
    // The panel's text is black: a black default would hide it.
    if (checkConflict && numberFromColor(systemDefault) == 0) {
        warnColourConflict(prompter, parent);
        return std::nullopt;
    }
    return PanelColourPick{systemDefault, true};
}

} // namespace tq

#include "app/backgroundchoice.h"

#include "components/colours.h"
#include "components/program.h"

namespace tq {

bool chooseBackground(Program &program, QWidget *parent, const QColor &current)
{
    const Message question{
        QStringLiteral("Background Color"),
        QStringLiteral("Select New Color or Use System Default Color?") + QStringLiteral("\r\r") +
            QStringLiteral("Yes = Color Selection Panel will appear.") + QStringLiteral("\r") +
            QStringLiteral("No = Current System Default Color will be selected."),
        Icon::Information, int(Button::Yes) | int(Button::No) | int(Button::Cancel), Button::Yes};

    switch (program.prompter.message(parent, question)) {
    case Button::Yes: {
        const auto chosen = program.prompter.colour(parent, current);
        if (!chosen)
            return false;
        const quint32 number = numberFromColor(*chosen);
        program.state.background = {BackgroundValue::Kind::Colour, number, {}};
        program.settings.setBackgroundColour(number);
        return true;
    }
    case Button::No:
        // "Def" rather than today's colour, so the next start follows the system scheme.
        program.state.background = {BackgroundValue::Kind::SystemDefault, 0, {}};
        program.settings.setBackgroundSystemDefault();
        return true;
    default:
        return false;
    }
}

} // namespace tq

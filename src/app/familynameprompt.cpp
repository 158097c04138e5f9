#include "app/familynameprompt.h"

#include "components/program.h"

#include <QStringList>

namespace tq {

namespace {

const QString &productName()
{
    static const QString name = QStringLiteral("Tallyquill 2007");
    return name;
}

bool confirmDelete(Program &program, QWidget *parent, const QString &name)
{
    const Message question{QStringLiteral("Family Name"),
                           QStringLiteral("Delete Family Name - ") + name + u'?', Icon::Question,
                           int(Button::Yes) | int(Button::No), Button::No};
    return program.prompter.message(parent, question) == Button::Yes;
}

} // namespace

QString captionWithFamilyName(const QString &familyName)
{
    return familyName.isEmpty() ? productName() : familyName + u' ' + productName();
}

void promptFamilyName(Program &program, QWidget *parent)
{
    const QString current = program.settings.familyName();
    program.state.familyName = current;
    const QString prompt =
        QStringList{QStringLiteral("Please Enter Family Name for use in the Various Program areas."),
                    QStringLiteral("To Accept name,"), QStringLiteral("click OK."),
                    QStringLiteral("To Delete name,"), QStringLiteral("click Cancel or press <Esc> key.")}
            .join(u'\r');
    QString answer = program.prompter.input(parent, QStringLiteral("Family Name"), prompt, current);
    if (answer.isEmpty() && !current.isEmpty() && !confirmDelete(program, parent, current))
        answer = current;
    program.state.familyName = program.settings.setFamilyName(answer);
}

} // namespace tq

#include "scriptedprompter.h"

#include <QApplication>
#include <QTest>

namespace tq::test {

namespace {

void closeUnexpectedDialog()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    QTest::qFail(qPrintable(QStringLiteral("unexpected modal dialog %1 \"%2\" (outside the prompter)")
                                .arg(modal->objectName(), modal->windowTitle())),
                 __FILE__, __LINE__);
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

ScriptedPrompter::ScriptedPrompter()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    m_modalWatch = std::make_unique<QTimer>();
    m_modalWatch->setInterval(500);
    QObject::connect(m_modalWatch.get(), &QTimer::timeout, m_modalWatch.get(), &closeUnexpectedDialog);
    m_modalWatch->start();
}

ScriptedPrompter::~ScriptedPrompter()
{
    if (QTest::currentTestFunction())
        verifyAllUsed();
    else if (!m_answers.isEmpty())
        qCritical("%d scripted answer(s) left unused", int(m_answers.size()));
}

template <typename T> std::optional<T> ScriptedPrompter::take(const char *what, const QString &context)
{
    if (m_answers.isEmpty() || !std::holds_alternative<T>(m_answers.head())) {
        QTest::qFail(qPrintable(QStringLiteral("unanswered %1: %2").arg(QLatin1String(what), context)),
                     __FILE__, __LINE__);
        return std::nullopt;
    }
    return std::get<T>(m_answers.dequeue());
}

void ScriptedPrompter::verifyAllUsed()
{
    if (!m_answers.isEmpty()) {
        const int left = int(m_answers.size());
        m_answers.clear();
        QTest::qFail(qPrintable(QStringLiteral("%1 scripted answer(s) left unused").arg(left)), __FILE__,
                     __LINE__);
    }
}

void ScriptedPrompter::record(const Prompt &prompt)
{
    prompts.append(prompt);
    if (const auto act = std::exchange(m_during, {}))
        act();
}

QStringList ScriptedPrompter::texts() const
{
    QStringList out;
    for (const Prompt &p : prompts)
        out << p.text;
    return out;
}

Button ScriptedPrompter::showMessage(QWidget *, const Message &m)
{
    record({Prompt::Kind::Message, m.title, m.text, m.icon, m.buttons, m.defaultButton, {}, {}, {}});
    if (randomNext()) {
        QList<Button> offered;
        for (Button b : {Button::Ok, Button::Cancel, Button::Yes, Button::No})
            if (m.buttons & int(b))
                offered << b;
        return offered.isEmpty() ? Button::Ok : offered.at(roll(int(offered.size())));
    }
    if (m.buttons == int(Button::Ok) &&
        (m_answers.isEmpty() || !std::holds_alternative<Button>(m_answers.head())))
        return Button::Ok; // a plain notice needs no scripted answer
    return take<Button>("message", m.title + QStringLiteral(": ") + m.text).value_or(Button::Cancel);
}

QString ScriptedPrompter::showInput(QWidget *, const QString &title, const QString &prompt,
                                    const QString &initial)
{
    Prompt p;
    p.kind = Prompt::Kind::Input;
    p.title = title;
    p.text = prompt;
    p.initialText = initial;
    record(p);
    if (randomNext()) {
        const QStringList texts{QString(), initial, QStringLiteral("Smith"),
                                QStringLiteral("12345678901234567890"),
                                QString::fromUtf8("Ren\u00e9 \u20ac \u4e2d")};
        return texts.at(roll(int(texts.size())));
    }
    return take<QString>("input", title).value_or(QString());
}

std::optional<QColor> ScriptedPrompter::showColour(QWidget *, const QColor &initial)
{
    Prompt p;
    p.kind = Prompt::Kind::Colour;
    p.initialColour = initial;
    record(p);
    if (randomNext())
        return roll(3) == 0 ? std::nullopt : std::optional(QColor::fromRgb(m_random->generate() & 0xFFFFFF));
    const auto a = take<ColourAnswer>("colour dialog", QString());
    return a ? a->c : std::nullopt;
}

std::optional<FontChoice> ScriptedPrompter::showFont(QWidget *, const FontChoice &initial)
{
    Prompt p;
    p.kind = Prompt::Kind::Font;
    p.initialFont = initial;
    record(p);
    if (randomNext()) {
        FontChoice chosen = initial;
        chosen.pointSize = 1 + roll(100);
        chosen.bold = roll(2);
        return roll(3) == 0 ? std::nullopt : std::optional(chosen);
    }
    const auto a = take<FontAnswer>("font dialog", QString());
    return a ? a->f : std::nullopt;
}

bool ScriptedPrompter::showPageSetup(QWidget *, QPrinter &)
{
    Prompt p;
    p.kind = Prompt::Kind::PageSetup;
    record(p);
    if (randomNext())
        return roll(2) == 0;
    return take<bool>("page setup", QString()).value_or(false);
}

bool ScriptedPrompter::showPrintDialog(QWidget *, QPrinter &)
{
    Prompt p;
    p.kind = Prompt::Kind::PrintDialog;
    record(p);
    if (randomNext())
        return false;
    return take<bool>("print dialog", QString()).value_or(false);
}

QString ScriptedPrompter::showSaveFileName(QWidget *, const QString &title, const QString &suggested,
                                           const QString &, const QString &)
{
    Prompt p;
    p.kind = Prompt::Kind::SaveFile;
    p.title = title;
    p.initialText = suggested;
    record(p);
    if (randomNext())
        return {}; // a random path could land anywhere
    return take<QString>("file dialog", title).value_or(QString());
}

int ScriptedPrompter::showDialog(QDialog &dialog)
{
    Prompt p;
    p.kind = Prompt::Kind::Dialog;
    p.title = dialog.windowTitle();
    p.text = dialog.objectName();
    record(p);
    if (randomNext())
        return QDialog::Rejected; // a random user closes the program's own dialogs unused
    const auto script = take<DialogScript>("dialog", dialog.objectName());
    if (!script)
        return QDialog::Rejected;
    if (script->name != dialog.objectName()) {
        QTest::qFail(
            qPrintable(
                QStringLiteral("dialog %1 ran where %2 was scripted").arg(dialog.objectName(), script->name)),
            __FILE__, __LINE__);
        return QDialog::Rejected;
    }
    const int result = script->act(dialog);
    dialog.setResult(result);
    return result;
}

} // namespace tq::test

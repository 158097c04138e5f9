#pragma once
// A Prompter for tests: queues answers, records every prompt, and reports a
// prompt that came unanswered or an answer left unused as a test failure.
#include "components/prompter.h"

#include <QDialog>
#include <QList>
#include <QQueue>
#include <QRandomGenerator>
#include <QTimer>
#include <functional>
#include <memory>
#include <variant>

namespace tq::test {

struct Prompt {
    enum class Kind { Message, Input, Colour, Font, PageSetup, PrintDialog, SaveFile, Dialog };
    Kind kind = Kind::Message;
    QString title; // a dialog's window title
    QString text;  // a dialog's objectName
    Icon icon = Icon::Information;
    Buttons buttons = 0;
    Button defaultButton = Button::Ok;
    QString initialText; // an input's default text, a file dialog's suggested path
    QColor initialColour;
    FontChoice initialFont;
};

class ScriptedPrompter : public Prompter
{
public:
    // A dialog that bypasses the prompter would wait for a user forever: one
    // that stays up fails the running test and is closed.
    ScriptedPrompter();
    // Answers left unused fail the running test.
    ~ScriptedPrompter() override;

    void answer(Button b) { m_answers.enqueue(b); }
    void answerInput(const QString &text) { m_answers.enqueue(text); }
    void answerFileName(const QString &path) { m_answers.enqueue(path); } // empty: cancelled
    void answerColour(std::optional<QColor> c) { m_answers.enqueue(ColourAnswer{c}); }
    void answerFont(std::optional<FontChoice> f) { m_answers.enqueue(FontAnswer{f}); }
    void answerDialog(bool accepted) { m_answers.enqueue(accepted); }
    // Answers the next runDialog() of the program's own dialog named `name`:
    // `act` sets its fields as a user would and returns QDialog::Accepted or
    // QDialog::Rejected. The shorthands only accept or reject it.
    using DialogAction = std::function<int(QDialog &)>;
    void scriptDialog(const QString &name, DialogAction act)
    {
        m_answers.enqueue(DialogScript{name, std::move(act)});
    }
    void acceptDialog(const QString &name)
    {
        scriptDialog(name, [](QDialog &) { return int(QDialog::Accepted); });
    }
    void rejectDialog(const QString &name)
    {
        scriptDialog(name, [](QDialog &) { return int(QDialog::Rejected); });
    }

    // From now on a prompt with no queued answer gets a random one of its kind
    // instead of failing the test (print dialogs are always cancelled).
    void answerAtRandom(quint32 seed) { m_random = QRandomGenerator(seed); }

    QList<Prompt> prompts;
    // Fails the running test when answers were queued but not used; clears them.
    void verifyAllUsed();
    const Prompt &last() const { return prompts.constLast(); }
    QStringList texts() const;

    // Runs `act` while the next prompt of any kind is up, as a user who
    // reaches for the window behind it would.
    void whileNextPromptShows(std::function<void()> act) { m_during = std::move(act); }

protected:
    Button showMessage(QWidget *parent, const Message &message) override;
    QString showInput(QWidget *parent, const QString &title, const QString &prompt,
                      const QString &initial) override;
    std::optional<QColor> showColour(QWidget *parent, const QColor &initial) override;
    std::optional<FontChoice> showFont(QWidget *parent, const FontChoice &initial) override;
    bool showPageSetup(QWidget *parent, QPrinter &printer) override;
    bool showPrintDialog(QWidget *parent, QPrinter &printer) override;
    QString showSaveFileName(QWidget *parent, const QString &title, const QString &suggested,
                             const QString &filter, const QString &suffix) override;
    int showDialog(QDialog &dialog) override;

private:
    struct ColourAnswer {
        std::optional<QColor> c;
    };
    struct FontAnswer {
        std::optional<FontChoice> f;
    };
    struct DialogScript {
        QString name;
        DialogAction act;
    };
    using Answer = std::variant<Button, QString, ColourAnswer, FontAnswer, bool, DialogScript>;
    template <typename T> std::optional<T> take(const char *what, const QString &context);
    bool randomNext() const { return m_random && m_answers.isEmpty(); }
    int roll(int bound) { return int(m_random->bounded(bound)); }
    QQueue<Answer> m_answers;
    std::optional<QRandomGenerator> m_random;
    std::function<void()> m_during;
    std::unique_ptr<QTimer> m_modalWatch;
    void record(const Prompt &prompt);
};

} // namespace tq::test

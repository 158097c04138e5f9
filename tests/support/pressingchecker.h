#pragma once
// The Hunspell checker with a scripted user: each correction dialog gets the
// next list of button presses (objectNames); a dialog whose presses run out
// counts as closed by its window frame, that is, cancelled. Every other prompt
// goes on to the test's own prompter.
#include "components/hunspellchecker.h"
#include "components/prompter.h"

#include <QList>
#include <QStringList>

namespace tq::test {

class SpellDialogPresser : public Prompter
{
public:
    explicit SpellDialogPresser(Prompter &others) : m_others(others) {}
    QList<QStringList> presses;
    int dialogs = 0;
    // The misspelt word and the suggestions the dialog showed before each press.
    QStringList wordsShown;
    QList<QStringList> suggestionsShown;

protected:
    Button showMessage(QWidget *parent, const Message &m) override { return m_others.message(parent, m); }
    QString showInput(QWidget *parent, const QString &title, const QString &prompt,
                      const QString &initial) override
    {
        return m_others.input(parent, title, prompt, initial);
    }
    std::optional<QColor> showColour(QWidget *parent, const QColor &initial) override
    {
        return m_others.colour(parent, initial);
    }
    std::optional<FontChoice> showFont(QWidget *parent, const FontChoice &initial) override
    {
        return m_others.font(parent, initial);
    }
    bool showPageSetup(QWidget *parent, QPrinter &printer) override
    {
        return m_others.pageSetup(parent, printer);
    }
    bool showPrintDialog(QWidget *parent, QPrinter &printer) override
    {
        return m_others.printDialog(parent, printer);
    }
    QString showSaveFileName(QWidget *parent, const QString &title, const QString &suggested,
                             const QString &filter, const QString &suffix) override
    {
        return m_others.saveFileName(parent, title, suggested, filter, suffix);
    }
    int showDialog(QDialog &dialog) override;

private:
    Prompter &m_others;
};

class PressingChecker : public SpellDialogPresser, public HunspellChecker
{
public:
    PressingChecker(Prompter &others, const QDir &programFolder, const QLocale &locale = QLocale(),
                    const QStringList &dictionaryFolders = SpellDictionary::systemFolders())
        : SpellDialogPresser(others),
          HunspellChecker(static_cast<SpellDialogPresser &>(*this), programFolder, locale, dictionaryFolders)
    {
    }
};

} // namespace tq::test

#include "components/hunspellchecker.h"

#include "components/prompter.h"
#include "components/spelldialog.h"

#include <QWidget>
#include <algorithm>

namespace tq {

namespace {

const QString messageTitle = QStringLiteral("Spelling Check");

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'\u2019';
}

// The next word at or after `from`: letters and digits, with apostrophes
// inside a word ("don't"). Length 0 when there is none.
std::pair<qsizetype, qsizetype> nextWord(const QString &text, qsizetype from)
{
    qsizetype start = from;
    while (start < text.size() && !isWordCharacter(text.at(start)))
        ++start;
    qsizetype end = start;
    while (end < text.size() &&
           (isWordCharacter(text.at(end)) ||
            (isApostrophe(text.at(end)) && end + 1 < text.size() && isWordCharacter(text.at(end + 1)))))
        ++end;
    return {start, end - start};
}

bool hasDigit(const QString &word)
{
    return std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isDigit(); });
}

// The replacement capitalised when the word it stands for is ("Teh" -> "The").
QString followingCaseOf(const QString &word, QString replacement)
{
    if (!word.isEmpty() && !replacement.isEmpty() && word.at(0).isUpper())
        replacement[0] = replacement.at(0).toUpper();
    return replacement;
}

// Whether the text from `from` holds a word to look up; figures alone do not need the dictionary.
bool hasWordToCheck(const QString &text, qsizetype from)
{
    for (auto [start, length] = nextWord(text, from); length > 0;
         std::tie(start, length) = nextWord(text, from)) {
        if (!hasDigit(text.mid(start, length)))
            return true;
        from = start + length;
    }
    return false;
}

} // namespace

HunspellChecker::HunspellChecker(Prompter &prompter, const QDir &programFolder, const QLocale &locale,
                                 const QStringList &dictionaryFolders)
    : m_prompter(prompter), m_personal(programFolder.filePath(PersonalWords::fileName())), m_locale(locale),
      m_folders(dictionaryFolders)
{
}

HunspellChecker::~HunspellChecker() = default;

void HunspellChecker::setText(const QString &text)
{
    m_text = text;
    m_changeCount = 0;
    if (!m_keepIgnored)
        m_ignored.clear();
}

void HunspellChecker::checkWithDialog()
{
    m_changeCount = 0;
    m_at = std::clamp<qsizetype>(m_startPosition - 1, 0, m_text.size());
    const bool shown = hasWordToCheck(m_text, m_at) && ensureDictionary() && runSession();
    notify(&SpellListener::textFinished);
    if (shown && m_listener)
        m_listener->dialogClosed(!m_finished);
}

bool HunspellChecker::ensureDictionary()
{
    if (m_dictionary.isLoaded())
        return true;
    const QString dictionary = SpellDictionary::find(m_folders, m_locale);
    if (!dictionary.isEmpty() && m_dictionary.load(dictionary)) {
        for (const QString &word : m_personal.read())
            m_dictionary.add(word);
        return true;
    }
    // Once per check (startCheck()): the budget checks fifty items in a row.
    if (!m_missingReported) {
        m_missingReported = true;
        m_prompter.message(
            dialogParent(),
            {messageTitle,
             QStringLiteral("No spelling dictionary is installed, so spelling cannot be checked.\r"
                            "Install a Hunspell dictionary (for US English the package "
                            "hunspell-en-us) and check again."),
             Icon::Exclamation, int(Button::Ok), Button::Ok});
    }
    return false;
}

// The dialog stays open from the first misspelling of the text to the last.
bool HunspellChecker::runSession()
{
    m_finished = false;
    if (!findMisspelling())
        return false;
    SpellDialog dialog(dialogParent());
    dialog.setWindowModality(Qt::WindowModal); // the help window stays usable
    QObject::connect(&dialog, &SpellDialog::chosen, &dialog,
                     [this](SpellAction action, const QString &to) { act(action, to); });
    m_dialog = &dialog;
    present();
    m_prompter.runDialog(dialog);
    m_dialog = nullptr;
    return true;
}

// Moves on to the next misspelt word, making the changes chosen "everywhere" on the way.
bool HunspellChecker::findMisspelling()
{
    for (auto [start, length] = nextWord(m_text, m_at); length > 0;
         std::tie(start, length) = nextWord(m_text, m_at)) {
        const QString word = m_text.mid(start, length);
        m_at = start + length;
        if (const auto it = m_changeEverywhere.constFind(word.toCaseFolded());
            it != m_changeEverywhere.cend()) {
            if (const QString to = followingCaseOf(word, *it); to != word)
                replace({start, length}, to);
        } else if (!accepted(word)) {
            m_current = {start, length};
            return true;
        }
    }
    return false;
}

bool HunspellChecker::accepted(const QString &word)
{
    return hasDigit(word) || m_ignored.contains(word.toCaseFolded()) || m_dictionary.spell(word);
}

void HunspellChecker::replace(Span span, const QString &with)
{
    m_text.replace(span.start, span.length, with);
    ++m_changeCount;
    m_at = span.start + with.size();
}

// A listed replacement for the word comes first among the suggestions.
void HunspellChecker::present()
{
    notify(&SpellListener::misspellingShown);
    const QString word = current();
    QStringList suggestions = m_dictionary.suggest(word);
    if (const QString listed = followingCaseOf(word, m_pairs.replacementFor(word)); !listed.isNull()) {
        suggestions.removeAll(listed);
        suggestions.prepend(listed);
    }
    m_dialog->showMisspelling(m_text, m_current.start, m_current.length, suggestions);
}

void HunspellChecker::act(SpellAction action, const QString &to)
{
    if (m_finished)
        return;
    const QString word = current();
    switch (action) {
    case SpellAction::Help:
        notify(&SpellListener::helpRequested);
        return;
    case SpellAction::Change:
        if (to != word)
            replace(m_current, to);
        break;
    case SpellAction::ChangeAll:
        changeEverywhere(to);
        break;
    case SpellAction::IgnoreAll:
        m_ignored.insert(word.toCaseFolded());
        break;
    case SpellAction::Add:
        addToDictionary(word);
        break;
    case SpellAction::Ignore:
        break;
    }
    advance();
}

// Later occurrences, in this text and the ones that follow, change without asking.
void HunspellChecker::changeEverywhere(const QString &to)
{
    const QString word = current();
    m_changeEverywhere.insert(word.toCaseFolded(), to);
    addPair(word, to);
    if (m_listener)
        m_listener->userChoice(ChangeEverywhere);
    if (to != word)
        replace(m_current, to);
}

void HunspellChecker::addToDictionary(const QString &word)
{
    m_dictionary.add(word);
    if (!m_personal.add(word))
        m_prompter.message(m_dialog,
                           {messageTitle,
                            QStringLiteral("\"%1\" could not be saved to the personal word list %2.\r"
                                           "It is accepted until the program closes.")
                                .arg(word, m_personal.path()),
                            Icon::Exclamation, int(Button::Ok), Button::Ok});
}

void HunspellChecker::advance()
{
    if (findMisspelling()) {
        present();
        return;
    }
    m_finished = true;
    m_dialog->accept();
}

QWidget *HunspellChecker::dialogParent() const
{
    if (m_owner)
        return m_owner;
    if (auto *box = qobject_cast<QWidget *>(m_editBox.data()))
        return box->window();
    return nullptr;
}

void HunspellChecker::notify(void (SpellListener::*what)())
{
    if (m_listener)
        (m_listener->*what)();
}

} // namespace tq

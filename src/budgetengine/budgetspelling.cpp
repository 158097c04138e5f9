#include "budgetengine/budgetspelling.h"

#include "budgetengine/autocorrectlist.h"

#include <QList>
#include <algorithm>
#include <utility>

namespace tq {

namespace {

// Closes each carry-over in the replacement list; reading stops at the first one.
const QString endMarker = QStringLiteral("TheEnd1");

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u' '; });
}

bool isEndMarker(QString word)
{
    while (word.endsWith(u' '))
        word.chop(1);
    return word == endMarker.toUpper();
}

// The first `itemLength` characters, without splitting a character in two.
QString cutToItemLength(const QString &text)
{
    qsizetype length = qMin<qsizetype>(text.size(), BudgetSpelling::itemLength);
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

// The replacement in lower case, capitalised when the word it replaces begins
// with a character that is its own upper case ("Teh" gives "The").
QString inCaseOf(QChar first, const QString &replacement)
{
    QString out = replacement.toLower();
    if (first == first.toUpper() && !out.isEmpty())
        out[0] = out.at(0).toUpper();
    return out;
}

// Every blank-delimited occurrence of `word` in `item` replaced. The search
// resumes at the trailing blank of the inserted text, so neighbours sharing a
// blank are both found and the inserted word is not searched again.
QString replaceWord(const QString &item, const QString &word, const QString &replacement)
{
    QString padded = u' ' + item + u' ';
    const QString target = u' ' + word + u' ';
    qsizetype at = 0;
    while ((at = padded.indexOf(target, at, Qt::CaseInsensitive)) >= 0) {
        const QString inserted = u' ' + inCaseOf(padded.at(at + 1), replacement) + u' ';
        padded.replace(at, target.size(), inserted);
        at += inserted.size() - 1;
    }
    return cutToItemLength(padded.trimmed());
}

} // namespace

BudgetSpelling::BudgetSpelling(SpellChecker &checker, SpellingView &view) : m_checker(checker), m_view(view)
{
    m_checker.setListener(this);
}

BudgetSpelling::~BudgetSpelling()
{
    m_checker.setListener(nullptr);
}

QString BudgetSpelling::statusText()
{
    return QStringLiteral("Spelling Check");
}

void BudgetSpelling::loadAutocorrectList()
{
    for (const AutocorrectPair &pair : autocorrectList())
        m_checker.addPair(QString::fromLatin1(pair.word), QString::fromLatin1(pair.replacement));
}

SpellingOutcome BudgetSpelling::run()
{
    m_changeCounter = 0;
    // The notifications may move the position while a row is checked, so it is read afresh each time.
    for (m_position = 1; m_position <= rows; ++m_position) {
        checkRow(m_position);
        moveCursor(m_position);
    }
    m_view.setHighlightAlways(false);
    m_position = 0;

    if (m_changeCounter != 0)
        return {{statusText(),
                 QStringLiteral("Spelling Check has been canceled or has reached the end of your entries")},
                true};
    return {
        {statusText(), QStringLiteral("Spelling Check did not change or did not find any misspelled words!")},
        false};
}

void BudgetSpelling::checkRow(int row)
{
    m_checker.setStartPosition(1);
    moveCursor(row);
    m_checker.setText(m_view.itemName(row));
    m_checker.checkWithDialog();
}

// Positions past the rows (the stop mark, or 0 before a restart) leave the cursor where it is.
void BudgetSpelling::moveCursor(int row)
{
    if (row < 1 || row > rows)
        return;
    m_cursorRow = row;
    m_view.moveCursor(row);
}

void BudgetSpelling::misspellingShown()
{
    m_view.setHighlightAlways(true);
    ++m_changeCounter;
}

void BudgetSpelling::textFinished()
{
    if (m_checker.changeCount() <= 0)
        return;
    m_view.setItemName(m_cursorRow, cutToItemLength(m_checker.text()));
    m_view.markChanged();
    ++m_changeCounter;
}

void BudgetSpelling::userChoice(int code)
{
    if (code == SpellChecker::ChangeEverywhere)
        m_changeAll = true;
}

void BudgetSpelling::dialogClosed(bool cancelled)
{
    if (cancelled && !m_changeAll)
        m_position = stopPosition;
    if (m_changeAll)
        carryOver();
    m_checker.setKeepIgnoredWords(true);
}

void BudgetSpelling::helpRequested()
{
    m_view.showHelp(helpTopic);
}

// Applies the replacement list, up to the end marker, to every item below the
// one being checked; the check then starts again at row 1.
void BudgetSpelling::carryOver()
{
    m_checker.addPair(endMarker, endMarker);
    m_view.repaint();

    QList<std::pair<QString, QString>> pairs;
    for (int i = 0; i < m_checker.pairCount(); ++i) {
        const QString word = m_checker.word(i);
        if (isEndMarker(word))
            break;
        if (!isBlank(word))
            pairs.append({word, m_checker.replacement(i)});
    }
    // Rows do not affect each other, so each row takes the pairs in list order
    // and is written back once.
    for (int row = m_position + 1; row <= rows; ++row) {
        const QString before = m_view.itemName(row);
        if (isBlank(before))
            continue;
        QString item = before;
        for (const auto &[word, replacement] : pairs)
            item = replaceWord(item, word, replacement);
        m_view.setItemName(row, item);
        if (item != before)
            m_view.markChanged();
    }
    m_changeAll = false;
    m_position = 0;
}

} // namespace tq

#pragma once
// The spell checker as the budget sees it: one text at a time, checked in a
// correction dialog, with an ordered replacement list. QtCore only, so the
// widget-free budget engine can drive any checker through it.
#include <QList>
#include <QString>
#include <utility>

class QObject;

namespace tq {

// Reports from a running check. Every call arrives nested inside
// SpellChecker::checkWithDialog(), on the caller's thread.
class SpellListener
{
public:
    virtual ~SpellListener() = default;
    virtual void misspellingShown() = 0;
    // The text is done; comes before dialogClosed() of the same check.
    virtual void textFinished() = 0;
    virtual void userChoice(int code) = 0;
    // Only after a dialog was shown; cancelled when the user stopped the check.
    virtual void dialogClosed(bool cancelled) = 0;
    virtual void helpRequested() = 0;
};

class SpellChecker
{
public:
    // userChoice() code: the user chose to change a word everywhere.
    static constexpr int ChangeEverywhere = 1;

    virtual ~SpellChecker() = default;
    virtual void setListener(SpellListener *listener) = 0;

    virtual void setText(const QString &text) = 0;
    // Returns when the user has finished with the text (at once when nothing is misspelt).
    virtual void checkWithDialog() = 0;
    virtual QString text() const = 0;
    // Words the user changed in the last checked text.
    virtual int changeCount() const = 0;

    // The replacement list, indexed from 0. word() comes back in upper case,
    // replacement() as it was added; both are empty past the end.
    virtual void addPair(const QString &word, const QString &replacement) = 0;
    virtual int pairCount() const = 0;
    virtual QString word(int index) const = 0;
    virtual QString replacement(int index) const = 0;

    // The edit box the user types item names into; the dialog opens over its window.
    virtual void attach(QObject *editBox) = 0;
    // The character position (from 1) where the next check starts.
    virtual void setStartPosition(int position) = 0;
    // Whether words ignored with "Ignore All" stay ignored in the texts that follow.
    virtual void setKeepIgnoredWords(bool keep) = 0;
};

// The ordered pair list a checker keeps; a word added twice makes a second entry.
class ReplacementList
{
public:
    void add(const QString &word, const QString &replacement) { m_pairs.append({word, replacement}); }
    int count() const { return int(m_pairs.size()); }
    QString word(int index) const { return valid(index) ? m_pairs[index].first.toUpper() : QString(); }
    QString replacement(int index) const { return valid(index) ? m_pairs[index].second : QString(); }
    // The replacement of the first pair for `word`, compared without case; null when none.
    QString replacementFor(const QString &word) const
    {
        for (const auto &[w, r] : m_pairs)
            if (w.compare(word, Qt::CaseInsensitive) == 0)
                return r;
        return {};
    }

private:
    bool valid(int index) const { return index >= 0 && index < m_pairs.size(); }
    QList<std::pair<QString, QString>> m_pairs;
};

} // namespace tq

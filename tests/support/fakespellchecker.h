#pragma once
// A spell checker whose user is scripted: a text the test names gets one reply
// (what the user does in the dialog); every other text passes without a dialog.
// QtCore only, so engine tests can use it.
#include "common/spellchecker.h"

#include <QHash>
#include <QStringList>

namespace tq::test {

struct FakeReply {
    int misspellings = 1;  // words shown in the dialog
    QString corrected;     // the text after the user's changes; null leaves it as it was
    QString changeAllWord; // the word the user changes everywhere, if any
    QString changeAllTo;
    bool cancel = false;
    bool help = false;

    static FakeReply correcting(const QString &corrected, int misspellings = 1)
    {
        FakeReply r;
        r.corrected = corrected;
        r.misspellings = misspellings;
        return r;
    }
    static FakeReply changingEverywhere(const QString &word, const QString &to, const QString &corrected)
    {
        FakeReply r = correcting(corrected);
        r.changeAllWord = word;
        r.changeAllTo = to;
        return r;
    }
};

class FakeSpellChecker : public SpellChecker
{
public:
    QStringList checkedTexts; // every text checked, in order
    ReplacementList pairs;

    void reply(const QString &text, const FakeReply &reply) { m_replies.insert(text, reply); }
    bool allRepliesUsed() const { return m_replies.isEmpty(); }

    void setListener(SpellListener *listener) override { m_listener = listener; }
    void setText(const QString &text) override { m_text = text; }
    QString text() const override { return m_text; }
    int changeCount() const override { return m_changeCount; }

    void checkWithDialog() override
    {
        checkedTexts << m_text;
        m_changeCount = 0;
        if (!m_replies.contains(m_text) || m_text.isEmpty()) {
            m_listener->textFinished();
            return;
        }
        const FakeReply r = m_replies.take(m_text);
        for (int i = 0; i < r.misspellings; ++i)
            m_listener->misspellingShown();
        if (r.help)
            m_listener->helpRequested();
        if (!r.changeAllWord.isEmpty()) {
            addPair(r.changeAllWord, r.changeAllTo);
            m_listener->userChoice(ChangeEverywhere);
        }
        if (!r.corrected.isNull() && r.corrected != m_text) {
            m_text = r.corrected;
            m_changeCount = 1;
        }
        m_listener->textFinished();
        m_listener->dialogClosed(r.cancel);
    }

    void addPair(const QString &word, const QString &replacement) override { pairs.add(word, replacement); }
    int pairCount() const override { return pairs.count(); }
    QString word(int index) const override { return pairs.word(index); }
    QString replacement(int index) const override { return pairs.replacement(index); }
    void attach(QObject *) override {}
    void setStartPosition(int) override {}
    void setKeepIgnoredWords(bool) override {}

private:
    SpellListener *m_listener = nullptr;
    QHash<QString, FakeReply> m_replies;
    QString m_text;
    int m_changeCount = 0;
};

} // namespace tq::test

#pragma once
// The spell checker on Hunspell with the program's own correction dialog. The
// dictionary loads when the first text with words is checked, not before.
#include "common/spellchecker.h"
#include "components/personalwords.h"
#include "components/spelldictionary.h"

#include <QDir>
#include <QHash>
#include <QLocale>
#include <QPointer>
#include <QSet>

class QWidget;

namespace tq {

class Prompter;
class SpellDialog;
enum class SpellAction;

class HunspellChecker : public SpellChecker
{
public:
    // The personal word list lives in `programFolder`.
    HunspellChecker(Prompter &prompter, const QDir &programFolder, const QLocale &locale = QLocale(),
                    const QStringList &dictionaryFolders = SpellDictionary::systemFolders());
    ~HunspellChecker() override;

    void setListener(SpellListener *listener) override { m_listener = listener; }
    void setText(const QString &text) override;
    void checkWithDialog() override;
    QString text() const override { return m_text; }
    int changeCount() const override { return m_changeCount; }

    void addPair(const QString &word, const QString &replacement) override { m_pairs.add(word, replacement); }
    int pairCount() const override { return m_pairs.count(); }
    QString word(int index) const override { return m_pairs.word(index); }
    QString replacement(int index) const override { return m_pairs.replacement(index); }

    void attach(QObject *editBox) override { m_editBox = editBox; }
    // The window the correction dialog is modal to, whatever has the focus.
    void setOwner(QWidget *window) { m_owner = window; }
    void setStartPosition(int position) override { m_startPosition = position; }
    void setKeepIgnoredWords(bool keep) override { m_keepIgnored = keep; }

    bool dictionaryLoaded() const { return m_dictionary.isLoaded(); }
    // A check of many texts (the budget's fifty items) reports a missing
    // dictionary once; each new check reports it again.
    void startCheck() { m_missingReported = false; }
    bool missingDictionaryReported() const { return m_missingReported; }

private:
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
    };

    bool ensureDictionary();
    bool findMisspelling();
    bool accepted(const QString &word);
    void replace(Span span, const QString &with);
    bool runSession();
    void present();
    void act(SpellAction action, const QString &changeTo);
    void changeEverywhere(const QString &to);
    void addToDictionary(const QString &word);
    void advance();
    QString current() const { return m_text.mid(m_current.start, m_current.length); }
    QWidget *dialogParent() const;
    void notify(void (SpellListener::*what)());

    Prompter &m_prompter;
    PersonalWords m_personal;
    QLocale m_locale;
    QStringList m_folders;
    SpellDictionary m_dictionary;
    bool m_missingReported = false;

    SpellListener *m_listener = nullptr;
    ReplacementList m_pairs;
    QHash<QString, QString> m_changeEverywhere; // case-folded word -> replacement
    QSet<QString> m_ignored;                    // case-folded
    QPointer<QObject> m_editBox;
    QPointer<QWidget> m_owner;
    int m_startPosition = 1;
    bool m_keepIgnored = true;

    QString m_text;
    int m_changeCount = 0;
    qsizetype m_at = 0; // where the search for the next misspelling goes on
    Span m_current;
    SpellDialog *m_dialog = nullptr;
    bool m_finished = false;
};

} // namespace tq

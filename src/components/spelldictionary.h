#pragma once
// A Hunspell dictionary from the system's dictionary folders.
#include <QLocale>
#include <QStringList>
#include <memory>

class Hunspell;

namespace tq {

class SpellDictionary
{
public:
    SpellDictionary();
    ~SpellDictionary();
    SpellDictionary(const SpellDictionary &) = delete;
    SpellDictionary &operator=(const SpellDictionary &) = delete;

    static QStringList systemFolders();
    // The dictionary (path without .aff/.dic) for the locale's language and
    // country, else for its language, else US English, else any installed one;
    // empty when the folders hold none.
    static QString find(const QStringList &folders, const QLocale &locale);

    bool load(const QString &basePath);
    bool isLoaded() const { return m_hunspell != nullptr; }
    bool spell(const QString &word);
    QStringList suggest(const QString &word);
    // Accepted from now on, for as long as this dictionary lives.
    void add(const QString &word);

private:
    std::string encode(const QString &text) const;
    QString decode(const std::string &text) const;

    std::unique_ptr<Hunspell> m_hunspell;
    bool m_utf8 = true; // otherwise Latin-1, the other encoding dictionaries commonly use
};

} // namespace tq

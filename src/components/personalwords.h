#pragma once
// The words the user added to the dictionary, one a line in a small UTF-8 text
// file in the program folder, so they are accepted again after a restart.
#include <QString>
#include <QStringList>
#include <utility>

namespace tq {

class PersonalWords
{
public:
    static QString fileName() { return QStringLiteral("SpellWords.txt"); }

    explicit PersonalWords(QString path) : m_path(std::move(path)) {}
    QString path() const { return m_path; }
    QStringList read() const;
    // Adds the word to the file; false (the file unchanged) when it cannot be
    // read or written.
    bool add(const QString &word) const;

private:
    QString m_path;
};

} // namespace tq

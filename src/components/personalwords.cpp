#include "components/personalwords.h"

#include "common/safefile.h"

#include <QFile>

namespace tq {

QStringList PersonalWords::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList words;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (const QString word = QString::fromUtf8(line).trimmed(); !word.isEmpty())
            words << word;
    return words;
}

bool PersonalWords::add(const QString &word) const
{
    QStringList words = read();
    if (words.contains(word))
        return true;
    words << word;
    return writeFileAtomically(m_path, (words.join(u'\n') + u'\n').toUtf8());
}

} // namespace tq

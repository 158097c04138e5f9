#include "components/personalwords.h"

#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace tq {

namespace {

// The file's bytes; nothing when it exists but cannot be read (a folder, a
// pipe, no permission), so that nobody writes over a list they could not read.
std::optional<QByteArray> readBytes(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QByteArray();
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QStringList wordsIn(const QByteArray &bytes)
{
    QStringList words;
    for (const QByteArray &line : bytes.split('\n'))
        if (const QString word = QString::fromUtf8(line).trimmed(); !word.isEmpty())
            words << word;
    return words;
}

} // namespace

QStringList PersonalWords::read() const
{
    return wordsIn(readBytes(m_path).value_or(QByteArray()));
}

// The other lines stay byte for byte as they were, whatever their encoding.
bool PersonalWords::add(const QString &word) const
{
    std::optional<QByteArray> bytes = readBytes(m_path);
    if (!bytes)
        return false;
    if (wordsIn(*bytes).contains(word))
        return true;
    if (!bytes->isEmpty() && !bytes->endsWith('\n'))
        *bytes += '\n';
    return writeFileAtomically(m_path, *bytes + word.toUtf8() + '\n');
}

} // namespace tq

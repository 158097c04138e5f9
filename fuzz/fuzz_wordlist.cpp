// Any bytes as the personal word list: reading takes what is there, and adding
// a word keeps every byte already in the file.
#include "components/personalwords.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(tq::PersonalWords::fileName());
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();

    const tq::PersonalWords list(path);
    const QStringList before = list.read();
    const QString word = QStringLiteral("Zorblax");
    if (!list.add(word) || !list.read().contains(word))
        std::abort();
    QFile after(path);
    if (!after.open(QIODevice::ReadOnly) || !after.readAll().startsWith(bytes))
        std::abort();
    for (const QString &w : before)
        if (!list.read().contains(w))
            std::abort();
    return 0;
}

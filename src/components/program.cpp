#include "components/program.h"

#include <QFileInfo>

#ifndef TQ_DATADIR
#define TQ_DATADIR ""
#endif
#ifndef TQ_SOURCE_RESOURCES
#define TQ_SOURCE_RESOURCES ""
#endif

namespace tq {

QString Program::findDataFile(const QDir &programFolder, const QString &name)
{
    for (const QString &base :
         {programFolder.path(), QStringLiteral(TQ_DATADIR), QStringLiteral(TQ_SOURCE_RESOURCES)}) {
        if (base.isEmpty())
            continue;
        const QString path = QDir(base).filePath(name);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

} // namespace tq

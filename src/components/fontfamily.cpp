#include "components/fontfamily.h"

#include <QFontDatabase>

namespace tq {

QString resolvedFamily(const QString &name)
{
    static const QString times = QStringLiteral("Times New Roman");
    if (name.compare(times, Qt::CaseInsensitive) == 0 && !QFontDatabase::hasFamily(times))
        return QStringLiteral("Liberation Serif");
    return name;
}

} // namespace tq

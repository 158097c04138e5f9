#include "common/dateformat.h"

#include <QLocale>
#include <QRegularExpression>

namespace tq {

QString formatShortDate(const QDate &date)
{
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return locale.toString(date, format);
}

} // namespace tq

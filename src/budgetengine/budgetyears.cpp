#include "budgetengine/budgetyears.h"

#include "common/numberformat.h"

#include <cmath>

namespace tq::years {

int today(QDate date)
{
    const int yy = date.year() % 100;
    return yy >= 90 ? 1900 + yy : 2000 + yy;
}

QStringList list()
{
    QStringList years;
    years.reserve(last - first + 1);
    for (int y = first; y <= last; ++y)
        years << QString::number(y);
    return years;
}

int fromBoxText(const QString &text)
{
    const double value = leadingNumber(text);
    if (value < first)
        return first;
    if (value > last)
        return last;
    return int(std::floor(value));
}

bool offersCopy(int year)
{
    return year >= first && year <= last;
}

Notice savePrompt(int year)
{
    return {QStringLiteral("Home Budget"),
            QStringLiteral("Save changes made to %1 budget before Exiting?").arg(year)};
}

Notice copyYearPrompt(int year)
{
    return {QStringLiteral("Copy Year"), QStringLiteral("Copy %1 file to %2?").arg(year).arg(year + 1)};
}

} // namespace tq::years

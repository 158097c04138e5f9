#include "budgetengine/yearhistory.h"

#include "budgetengine/budgetmodel.h"
#include "budgetengine/yearfile.h"
#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace tq::yearhistory {

namespace {

const QString stampFormat = QStringLiteral("yyyyMMdd-HHmmss");

// "2026-20261209-215400.Fil", or with "-2", "-3" ... when two saves fell
// within one second.
QRegularExpression namePattern(int year)
{
    return QRegularExpression(QStringLiteral("^%1-(\\d{8}-\\d{6})(?:-(\\d+))?\\.Fil$").arg(year));
}

struct Named {
    Version version;
    int sequence = 0;
};

QList<Named> named(const QDir &yearFolder, int year)
{
    const QRegularExpression pattern = namePattern(year);
    QList<Named> found;
    const QDir dir = folder(yearFolder);
    for (const QString &name : dir.entryList({QStringLiteral("%1-*.Fil").arg(year)}, QDir::Files)) {
        const QRegularExpressionMatch m = pattern.match(name);
        const QDateTime at = QDateTime::fromString(m.captured(1), stampFormat);
        if (m.hasMatch() && at.isValid())
            found.append({{dir.filePath(name), at}, m.captured(2).toInt()});
    }
    std::sort(found.begin(), found.end(), [](const Named &a, const Named &b) {
        return std::pair(a.version.savedAt, a.sequence) > std::pair(b.version.savedAt, b.sequence);
    });
    return found;
}

QString freeName(const QDir &dir, int year, const QDateTime &now)
{
    const QString stem = QStringLiteral("%1-%2").arg(year).arg(now.toString(stampFormat));
    QString name = stem + QStringLiteral(".Fil");
    for (int n = 2; dir.exists(name); ++n)
        name = QStringLiteral("%1-%2.Fil").arg(stem).arg(n);
    return name;
}

} // namespace

QDir folder(const QDir &yearFolder)
{
    return QDir(yearFolder.filePath(QStringLiteral("History")));
}

bool keep(const QDir &yearFolder, int year, const QDateTime &now)
{
    QFile current(yearFolder.filePath(yearfile::fileName(year)));
    if (!QFileInfo(current).isFile())
        return true; // nothing on disk yet
    if (!current.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = current.readAll();
    current.close();
    const QDir dir = folder(yearFolder);
    if (!dir.exists() && !yearFolder.mkpath(dir.path()))
        return false;
    // A folder the user made read-only stays so, even for root.
    if (!QFileInfo(dir.path()).permission(QFileDevice::WriteOwner))
        return false;
    return writeFileAtomically(dir.filePath(freeName(dir, year, now)), bytes);
}

QList<Version> versions(const QDir &yearFolder, int year)
{
    QList<Version> list;
    for (const Named &n : named(yearFolder, year))
        list.append(n.version);
    return list;
}

double totalExpenses(const Version &version)
{
    BudgetModel model;
    model.loadFile(version.path);
    double total = 0;
    for (int month = 0; month < budgetMonths; ++month)
        total += model.month(month).expenses;
    return total;
}

void prune(const QDir &yearFolder, int year)
{
    const QList<Version> all = versions(yearFolder, year);
    for (qsizetype i = keptPerYear; i < all.size(); ++i)
        QFile::remove(all[i].path);
}

} // namespace tq::yearhistory

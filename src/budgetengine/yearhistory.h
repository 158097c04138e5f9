#pragma once
// Earlier versions of a year file: each save first keeps the file it is about
// to replace in the "History" folder beside the year files, as
// <year>-<yyyyMMdd>-<HHmmss>.Fil, and the newest twenty of a year are kept.
#include <QDateTime>
#include <QDir>
#include <QList>

namespace tq::yearhistory {

inline constexpr int keptPerYear = 20;

QDir folder(const QDir &yearFolder); // "History" beside the year files

// Copies the year's file into the history folder (made when missing) before
// a save replaces it; true also when there is no file to keep. A false answer
// means the copy was not written and the save must not go ahead.
bool keep(const QDir &yearFolder, int year, const QDateTime &now);

struct Version {
    QString path;
    QDateTime savedAt; // from its name: when the file it holds was replaced
};
// The year's total expenses as the version holds them: the sum of its twelve
// monthly totals, each capped as the monthly row is.
double totalExpenses(const Version &version);
// The year's kept versions, newest first.
QList<Version> versions(const QDir &yearFolder, int year);

// Removes all but the newest `keptPerYear` versions of the year.
void prune(const QDir &yearFolder, int year);

} // namespace tq::yearhistory

#pragma once
// The year file: one budget year as 662 quoted fields, one a line, CR LF,
// Windows-1252 (the 650 cells row by row, then the twelve incomes). Files
// written by earlier versions and by hand read the same way.
#include "budgetengine/budgetsheet.h"

#include <QDir>

class QIODevice;

namespace tq::yearfile {

inline constexpr int fieldCount = budgetItemRows * budgetColumns + budgetMonths; // 662
// Longer than any number needs ("-1.7976931348623157e+308").
inline constexpr int maxAmountLength = 24;

QByteArray encode(const BudgetSheet &sheet);
bool write(QIODevice &device, const BudgetSheet &sheet);

// Fields are separated by commas or line ends; a field opening with a double
// quote runs to the next one (commas inside belong to it), an unquoted field
// is trimmed. Missing fields leave empty cells; an income whose leading number
// is not above 0 reads as "0".
// A byte-order mark at the start is skipped. Texts a cell cannot keep are made
// keepable and `adjusted` set: a double quote becomes an apostrophe, a name is
// cut to maxNameLength, an amount to maxAmountLength.
BudgetSheet decode(QByteArrayView bytes, bool *adjusted = nullptr);
BudgetSheet read(QIODevice &device);

QString fileName(int year); // "2007.Fil"

enum class Status {
    Loaded,
    Missing,   // no file, or an empty one: a new year
    Unreadable // the name exists but cannot be read (a folder, no permission):
               // the window asks before a save replaces it
};
struct Loaded {
    Status status = Status::Missing;
    BudgetSheet sheet;     // empty unless Loaded
    bool adjusted = false; // see decode()
};
// Only a regular file is read.
Loaded load(const QDir &folder, int year);
Loaded loadFile(const QString &path); // the same for a file of another name
// The one message after a load that adjusted texts, naming the file.
Notice adjustedNotice(const QString &path);

// A readable, non-empty file: what a backup can copy.
bool hasSavedFile(const QDir &folder, int year);

// Replaces the year's file whole or leaves it as it was; false when it failed.
bool save(const QDir &folder, int year, const BudgetSheet &sheet);

enum class CopyResult { Copied, NoSource, Failed };
// Copies the saved file of `year` over the next year's file.
CopyResult copyToNextYear(const QDir &folder, int year);

} // namespace tq::yearfile

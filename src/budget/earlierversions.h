#pragma once
// "Earlier Versions...": the kept versions of the year shown, newest first,
// with the date and time each was replaced and its total expenses.
#include <QString>

class QWidget;

namespace tq {

struct Program;

// The path of the version the user opens, or empty (none kept, or cancelled;
// the user was told when there is none).
QString chooseEarlierVersion(Program &program, QWidget *window, int year);

} // namespace tq

#pragma once
// Which year the budget shows: today's year, the year box's list and how its
// typed text becomes a year, and the questions about whole years.
#include "budgetengine/budgetsheet.h"

#include <QDate>
#include <QStringList>

namespace tq::years {

inline constexpr int first = 1990;
inline constexpr int last = 2089;

// From the two-digit year: 90 to 99 give 1990s, 00 to 89 give 2000 to 2089.
int today(QDate date);

// "1990" to "2089", the year box's list.
QStringList list();

// A typed year box text: its leading number, below 1990 (or not a number)
// gives 1990 and above 2089 gives 2089; a fraction is dropped.
int fromBoxText(const QString &text);

// "Copy (&Yr)" is offered only for the years the list holds.
bool offersCopy(int year);

// Titles and texts of the questions the window asks with Yes/No(/Cancel).
Notice savePrompt(int year);
Notice copyYearPrompt(int year);

} // namespace tq::years

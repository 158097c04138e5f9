#pragma once
#include <QString>

class QWidget;

namespace tq {

struct Program;

// Asks for the family name shown in the captions, stores it and keeps it in
// program.state.familyName. An empty answer offers to delete an existing name.
void promptFamilyName(Program &program, QWidget *parent);

// "Tallyquill 2007", or the family name in front of it.
QString captionWithFamilyName(const QString &familyName);

} // namespace tq

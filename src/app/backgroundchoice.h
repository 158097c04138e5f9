#pragma once
#include <QColor>

class QWidget;

namespace tq {

struct Program;

// Asks whether to pick a new background colour or follow the system colour,
// then stores the answer. Returns true when the background value changed.
bool chooseBackground(Program &program, QWidget *parent, const QColor &current);

} // namespace tq

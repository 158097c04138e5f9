#pragma once
// The launcher's place on screen, recorded by the launcher and taken by every
// tool window. Both speak of the outer rectangle, frame included, so that a
// tool window covers the launcher exactly.
#include <QRect>

class QWidget;

namespace tq {

struct AppState;

// What the window manager's frame adds to the client size (empty until framed).
QSize frameExtent(const QWidget &window);

// Moves and sizes `window` so that its outer rectangle, `frame` included, is `outer`.
void setOuterGeometry(QWidget &window, const QRect &outer, QSize frame);

void recordLauncherGeometry(AppState &state, const QWidget &launcher);

// The recorded outer rectangle; before the launcher recorded one, the design
// size at the origin in `window`'s pixels.
QRect launcherOuterRect(const AppState &state, const QWidget &window);

// The recorded outer size; `fallback` when none was recorded.
QSize launcherSize(const AppState &state, QSize fallback);

} // namespace tq

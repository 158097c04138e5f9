#pragma once
#include <QImage>

namespace tq {

// The program icon, a ledger with a quill, painted at any size.
QImage paintAppIcon(int size);

} // namespace tq

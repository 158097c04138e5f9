#pragma once
// A message as the user reads it: a title and a text. The icon and buttons it
// is shown with are the caller's to choose.
#include <QString>

namespace tq {

struct Notice {
    QString title;
    QString text;
    bool operator==(const Notice &) const = default;
};

} // namespace tq

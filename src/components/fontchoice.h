#pragma once
// The printer font of a document: what the print font dialog chooses, the
// preview shows and PrintDocument::setFont applies.
#include <QColor>
#include <QString>

namespace tq {

struct FontChoice {
    QString family;
    double pointSize = 14;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor colour = Qt::black;
    bool operator==(const FontChoice &) const = default;
};

} // namespace tq

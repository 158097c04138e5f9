#include "components/fittext.h"

#include <QFontMetrics>
#include <QLabel>

#include <functional>

namespace tq {

namespace {

void fitLabel(QLabel *label, FitLimits limits, const std::function<bool(const QFont &)> &fits)
{
    QFont font = label->font();
    for (int stretch = 95; !fits(font) && stretch >= limits.narrowestStretch; stretch -= 5)
        font.setStretch(stretch);
    while (!fits(font) && font.pointSizeF() > limits.smallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

} // namespace

void fitLabelToWidth(QLabel *label, int widthPx, FitLimits limits)
{
    fitLabel(label, limits, [&](const QFont &font) {
        return QFontMetrics(font).horizontalAdvance(label->text()) <= widthPx;
    });
}

void fitLabelToSize(QLabel *label, QSize room, FitLimits limits)
{
    const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
    fitLabel(label, limits, [&](const QFont &font) {
        const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), room), flags, label->text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    });
}

} // namespace tq

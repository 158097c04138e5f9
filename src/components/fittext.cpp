#include "components/fittext.h"

#include <QFontMetrics>
#include <QAbstractButton>
#include <QLabel>
#include <QStyle>

#include <functional>

namespace tq {

namespace {

void fitFont(QWidget *widget, FitLimits limits, const std::function<bool(const QFont &)> &fits)
{
    QFont font = widget->font();
    for (int stretch = 95; !fits(font) && stretch >= limits.narrowestStretch; stretch -= 5)
        font.setStretch(stretch);
    while (!fits(font) && font.pointSizeF() > limits.smallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    widget->setFont(font);
}

} // namespace

void fitLabelToWidth(QLabel *label, int widthPx, FitLimits limits)
{
    fitFont(label, limits, [&](const QFont &font) {
        return QFontMetrics(font).horizontalAdvance(label->text()) <= widthPx;
    });
}

void fitLabelToSize(QLabel *label, QSize room, FitLimits limits)
{
    const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
    fitFont(label, limits, [&](const QFont &font) {
        const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), room), flags, label->text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    });
}

void fitButtonText(QAbstractButton *button, FitLimits limits)
{
    const QStyle *style = button->style();
    const int room = button->width() - 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                                            style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    const QString text = QString(button->text()).remove(QLatin1Char('&'));
    fitFont(button, limits, [&](const QFont &font) { return QFontMetrics(font).horizontalAdvance(text) <= room; });
}

} // namespace tq

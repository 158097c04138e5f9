#include "components/fittext.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QAbstractButton>
#include <QLabel>
#include <QStyle>

#include <functional>

namespace tq {

namespace {

QFont fitted(QFont font, FitLimits limits, const std::function<bool(const QFont &)> &fits)
{
    for (int stretch = 95; !fits(font) && stretch >= limits.narrowestStretch; stretch -= 5)
        font.setStretch(stretch);
    while (!fits(font) && font.pointSizeF() > limits.smallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

void fitLabel(QLabel *label, FitLimits limits, const std::function<bool(const QFont &)> &fits)
{
    label->setFont(fitted(label->font(), limits, fits));
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

QFont fontFitting(QFont font, const QStringList &texts, QSize room, FitLimits limits)
{
    return fitted(font, limits, [&](const QFont &f) {
        const QFontMetricsF metrics(f); // unrounded: a figure a fraction too wide is elided
        if (metrics.height() > room.height())
            return false;
        for (const QString &text : texts)
            if (metrics.horizontalAdvance(text) > room.width())
                return false;
        return true;
    });
}

QString widestFigure(const QFontMetrics &metrics, const QString &shape)
{
    QChar widest = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest))
            widest = QChar(digit);
    QString figure = shape;
    figure.replace(u'#', widest);
    return figure;
}

void fitButtonText(QAbstractButton *button, FitLimits limits)
{
    const QStyle *style = button->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                             style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    const QString text = QString(button->text()).remove(QLatin1Char('&'));
    button->setFont(fontFitting(button->font(), {text}, button->size() - QSize(margins, 0), limits));
}

} // namespace tq

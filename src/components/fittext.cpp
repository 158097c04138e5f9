#include "components/fittext.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QStyle>

#include <functional>

namespace tq {

namespace {

// Where the first of `candidates` that fits is, or their count when none does.
// Narrower and smaller only ever fit better, so halving finds the same font as
// trying each in turn, and each font tried costs a font engine and a fontconfig match.
qsizetype firstFitting(const QList<QFont> &candidates, const std::function<bool(const QFont &)> &fits)
{
    qsizetype lo = 0, hi = candidates.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi) / 2;
        if (fits(candidates[mid]))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// Narrowed first, five percent at a time, then shrunk half a point at a time,
// until it fits; the last one tried when nothing does.
QFont fitted(QFont font, FitLimits limits, const std::function<bool(const QFont &)> &fits)
{
    if (fits(font))
        return font;
    QList<QFont> narrower, smaller;
    for (int stretch = 95; stretch >= limits.narrowestStretch; stretch -= 5) {
        font.setStretch(stretch);
        narrower << font;
    }
    if (const qsizetype i = firstFitting(narrower, fits); i < narrower.size())
        return narrower[i];
    while (font.pointSizeF() > limits.smallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        smaller << font;
    }
    const qsizetype i = firstFitting(smaller, fits);
    return i < smaller.size() ? smaller[i] : font;
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

#include "components/fittext.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace tq {

namespace {

// How full a room is with what it must hold: at most 1 exactly when it fits.
double fullness(double needed, double room)
{
    if (needed <= room)
        return room > 0 ? needed / room : 0;
    return room > 0 ? std::max(needed / room, std::nextafter(1.0, 2.0))
                    : std::numeric_limits<double>::infinity();
}

// Answers how full a font leaves the room.
using Fullness = std::function<double(const QFont &)>;

// Where the first of `candidates` that fits is, or their count when none does.
// Narrower and smaller only ever fit better, so a search finds the same font
// as trying each in turn; each font tried costs a font engine and a fontconfig
// match, so a search with a guess starts there and at its neighbour, which
// settle it when the guess is right, and halves what is left when it is not.
qsizetype firstFitting(const QList<QFont> &candidates, const Fullness &fill, std::optional<qsizetype> guess)
{
    qsizetype lo = 0, hi = candidates.size(); // none before lo fits; hi fits or is the end
    const auto probe = [&](qsizetype i) {
        if (i < lo || i >= hi)
            return;
        if (fill(candidates[i]) <= 1)
            hi = i;
        else
            lo = i + 1;
    };
    if (guess) {
        probe(*guess);
        probe(hi == *guess ? *guess - 1 : *guess + 1);
    }
    while (lo < hi)
        probe((lo + hi) / 2);
    return lo;
}

// The first of `scales` (falling) at which `full`, scaled alike, would fit.
qsizetype guessFor(double full, const QList<double> &scales)
{
    qsizetype i = 0;
    while (i < scales.size() && full * scales[i] > 1)
        ++i;
    return i;
}

// Narrowed first, five percent at a time, then shrunk half a point at a time,
// until it fits; the last one tried when nothing does. A line of text grows
// about in step with the stretch and the size, which gives a search its guess;
// wrapped text fills its room by lines, not in step, so it has none.
QFont fitted(QFont font, FitLimits limits, const Fullness &fill, bool inStep = true)
{
    const double full = fill(font);
    if (full <= 1)
        return font;
    const auto guess = [&](const QList<double> &scales) {
        return inStep ? std::optional(guessFor(full, scales)) : std::nullopt;
    };
    const double points = font.pointSizeF();
    QList<QFont> narrower, smaller;
    QList<double> narrowerScales, smallerScales;
    for (int stretch = 95; stretch >= limits.narrowestStretch; stretch -= 5) {
        font.setStretch(stretch);
        narrower << font;
        narrowerScales << stretch / 100.0;
    }
    if (const qsizetype i = firstFitting(narrower, fill, guess(narrowerScales)); i < narrower.size())
        return narrower[i];
    while (font.pointSizeF() > limits.smallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        smaller << font;
        smallerScales << font.stretch() / 100.0 * font.pointSizeF() / points;
    }
    const qsizetype i = firstFitting(smaller, fill, guess(smallerScales));
    return i < smaller.size() ? smaller[i] : font;
}

void fitLabel(QLabel *label, FitLimits limits, const Fullness &fill, bool inStep = true)
{
    label->setFont(fitted(label->font(), limits, fill, inStep));
}

} // namespace

void fitLabelToWidth(QLabel *label, int widthPx, FitLimits limits)
{
    fitLabel(label, limits, [&](const QFont &font) {
        return fullness(QFontMetrics(font).horizontalAdvance(label->text()), widthPx);
    });
}

void fitLabelToSize(QLabel *label, QSize room, FitLimits limits)
{
    const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
    fitLabel(
        label, limits,
        [&](const QFont &font) {
            const QRect needed =
                QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), room), flags, label->text());
            return std::max(fullness(needed.width(), room.width()), fullness(needed.height(), room.height()));
        },
        !label->wordWrap());
}

QFont fontFitting(QFont font, const QStringList &texts, QSize room, FitLimits limits)
{
    return fitted(font, limits, [&](const QFont &f) {
        const QFontMetricsF metrics(f); // unrounded: a figure a fraction too wide is elided
        double full = fullness(metrics.height(), room.height());
        for (const QString &text : texts)
            full = std::max(full, fullness(metrics.horizontalAdvance(text), room.width()));
        return full;
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

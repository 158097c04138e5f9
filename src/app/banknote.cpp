#include "app/banknote.h"

#include "components/prebuiltpixmap.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <numeric>

namespace tq {

namespace {

const QColor ink(24, 72, 44);
const QColor midInk(58, 120, 78);
const QColor paper(233, 239, 220);
const QSize noteSize(382, 155);

// A spirograph curve (hypotrochoid of wheels big and small, pen offset pen),
// scaled to the given radius: the classic engraved rosette.
QPainterPath rosette(QPointF centre, double radius, int big, int small, double pen)
{
    const double k = big - small;
    const double scale = radius / (k + pen);
    const int points = 900;
    const double period = 2 * M_PI * small / std::gcd(big, small);
    QPainterPath path;
    for (int i = 0; i <= points; ++i) {
        const double t = period * i / points;
        const QPointF q = centre + scale * QPointF(k * std::cos(t) + pen * std::cos(k / small * t),
                                                   k * std::sin(t) - pen * std::sin(k / small * t));
        i == 0 ? path.moveTo(q) : path.lineTo(q);
    }
    return path;
}

// Interlaced waves running around a rectangle: the guilloche border.
void drawGuillocheBand(QPainter &p, const QRectF &r, int strands)
{
    const double perimeter = 2 * (r.width() + r.height());
    const auto along = [&](double s) {
        if (s < r.width())
            return std::pair{r.topLeft() + QPointF(s, 0), QPointF(0, 1)};
        s -= r.width();
        if (s < r.height())
            return std::pair{r.topRight() + QPointF(0, s), QPointF(-1, 0)};
        s -= r.height();
        if (s < r.width())
            return std::pair{r.bottomRight() - QPointF(s, 0), QPointF(0, -1)};
        s -= r.width();
        return std::pair{r.bottomLeft() - QPointF(0, s), QPointF(1, 0)};
    };
    for (int k = 0; k < strands; ++k) {
        QPainterPath path;
        const double phase = 2 * M_PI * k / strands;
        for (double s = 0; s <= perimeter; s += 1.5) {
            const auto [pt, inward] = along(s);
            const QPointF q = pt + inward * (3.0 + 2.6 * std::sin(s / 4.0 + phase));
            s == 0 ? path.moveTo(q) : path.lineTo(q);
        }
        path.closeSubpath();
        p.drawPath(path);
    }
}

void drawPortrait(QPainter &p, const QRectF &oval)
{
    p.save();
    QPainterPath clip;
    clip.addEllipse(oval);
    p.setClipPath(clip);
    p.fillPath(clip, QColor(214, 226, 200));
    // Fine engraved rings behind the figure.
    p.setPen(QPen(midInk, 0.5));
    for (double d = 0; d < oval.width() / 2; d += 2.2)
        p.drawEllipse(oval.center(), d, d * oval.height() / oval.width());
    // A quill-holder's bust in profile, hatched like an engraving.
    QPainterPath bust;
    const QPointF c = oval.center();
    bust.addEllipse(QPointF(c.x(), c.y() - 12), 15, 18);
    bust.addEllipse(QPointF(c.x(), c.y() + 40), 34, 26);
    p.fillPath(bust, ink);
    p.setPen(QPen(QColor(214, 226, 200), 0.6));
    for (double y = oval.top(); y < oval.bottom(); y += 3)
        p.drawLine(QPointF(oval.left(), y), QPointF(oval.right(), y + 6));
    p.restore();
    p.setPen(QPen(ink, 2));
    p.drawEllipse(oval);
    p.setPen(QPen(midInk, 0.8));
    p.drawEllipse(oval.adjusted(-4, -4, 4, 4));
}

void drawNumeral(QPainter &p, QPointF centre, double size)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(int(size));
    f.setBold(true);
    p.setFont(f);
    const QRectF box(centre.x() - 30, centre.y() - size / 2 - 2, 60, size + 4);
    p.setPen(paper);
    p.drawText(box.translated(1, 1), Qt::AlignCenter, QStringLiteral("100"));
    p.setPen(ink);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("100"));
}

} // namespace

QString banknoteResource()
{
    return QStringLiteral(":/pictures/banknote.argb");
}

QPixmap banknotePicture()
{
    const QPixmap built = prebuiltPixmap(banknoteResource(), noteSize);
    return built.isNull() ? paintBanknote() : built;
}

QPixmap paintBanknote()
{
    QPixmap pixmap(noteSize);
    pixmap.fill(paper);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Paper with faint engraved lines.
    p.setPen(QPen(QColor(210, 222, 196), 1));
    for (int y = 2; y < 155; y += 4)
        p.drawLine(0, y, 382, y);

    p.setPen(QPen(ink, 2));
    p.drawRect(QRectF(2, 2, 378, 151));
    p.setPen(QPen(midInk, 0.6));
    drawGuillocheBand(p, QRectF(6, 6, 370, 143), 4);
    p.setPen(QPen(ink, 1));
    p.drawRect(QRectF(16, 16, 350, 123));

    p.setPen(QPen(midInk, 0.5));
    for (const QPointF corner : {QPointF(36, 36), QPointF(346, 36), QPointF(36, 119), QPointF(346, 119)})
        p.drawPath(rosette(corner, 17, 40, 14, 9));
    p.setPen(QPen(midInk, 0.45));
    p.drawPath(rosette(QPointF(300, 94), 36, 96, 21, 15));

    drawPortrait(p, QRectF(66, 28, 78, 100));

    QFont lettering(QStringLiteral("Times New Roman"));
    lettering.setPixelSize(23);
    lettering.setBold(true);
    lettering.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(lettering);
    p.setPen(ink);
    p.drawText(QRectF(150, 20, 172, 30), Qt::AlignCenter, QStringLiteral("TALLYQUILL"));
    QFont small(QStringLiteral("Times New Roman"));
    small.setPixelSize(10);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(small);
    p.drawText(QRectF(150, 48, 172, 14), Qt::AlignCenter, QStringLiteral("HOUSEHOLD LEDGER NOTE"));
    p.drawText(QRectF(150, 112, 110, 14), Qt::AlignCenter, QStringLiteral("ONE HUNDRED"));

    for (const QPointF corner : {QPointF(36, 36), QPointF(346, 36), QPointF(36, 119), QPointF(346, 119)})
        drawNumeral(p, corner, 15);
    drawNumeral(p, QPointF(300, 94), 26);
    return pixmap;
}

} // namespace tq

#include "frame/proportionallayout.h"

#include "common/twips.h"

#include <algorithm>
#include <cmath>

namespace tq {

void ProportionalLayout::add(QWidget *widget, const QRect &twips)
{
    remove(widget);
    m_entries.append({widget, twips, widget->font()});
    const Entry &e = m_entries.constLast();
    e.widget->setGeometry(toPixels(e.twips));
}

void ProportionalLayout::addTree(QWidget *root, const QRect &twips)
{
    const QList<QWidget *> children = root->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child->isWindow())
            continue;
        const QRect g = child->geometry();
        add(child, QRect(int(std::lround(pixelsToTwips(g.x(), m_dpi))),
                         int(std::lround(pixelsToTwips(g.y(), m_dpi))),
                         int(std::lround(pixelsToTwips(g.width(), m_dpi))),
                         int(std::lround(pixelsToTwips(g.height(), m_dpi)))));
    }
    add(root, twips);
}

void ProportionalLayout::remove(const QWidget *widget)
{
    m_entries.removeIf([widget](const Entry &e) { return e.widget == widget || e.widget.isNull(); });
}

void ProportionalLayout::setScale(double x, double y)
{
    m_scaleX = x > 0 ? x : 1.0;
    m_scaleY = y > 0 ? y : 1.0;
}

QRect ProportionalLayout::toPixels(const QRect &twips) const
{
    // Edges are scaled rather than sizes, so neighbouring controls stay flush.
    const int left = twipsToPixels(twips.x() * m_scaleX, m_dpi);
    const int top = twipsToPixels(twips.y() * m_scaleY, m_dpi);
    const int right = twipsToPixels((twips.x() + twips.width()) * m_scaleX, m_dpi);
    const int bottom = twipsToPixels((twips.y() + twips.height()) * m_scaleY, m_dpi);
    return QRect(left, top, right - left, bottom - top);
}

QSize ProportionalLayout::toPixels(const QSize &twips) const
{
    return toPixels(QRect(QPoint(0, 0), twips)).size();
}

void ProportionalLayout::apply() const
{
    // Text grows with the smaller factor, so it never outgrows its control.
    const double fontScale = std::min(m_scaleX, m_scaleY);
    for (const Entry &e : m_entries) {
        if (!e.widget)
            continue;
        e.widget->setGeometry(toPixels(e.twips));
        if (fontScale == 1.0)
            continue; // the design font stands; a tool may still set its own
        QFont font = e.designFont;
        if (font.pointSizeF() > 0)
            font.setPointSizeF(e.designFont.pointSizeF() * fontScale);
        else if (font.pixelSize() > 0)
            font.setPixelSize(std::max(1, int(e.designFont.pixelSize() * fontScale + 0.5)));
        e.widget->setFont(font);
    }
}

} // namespace tq

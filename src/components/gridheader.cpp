#include "components/gridheader.h"

#include <QMouseEvent>

namespace tq {

GridHeader::GridHeader(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent), m_thickness(orientation == Qt::Horizontal ? 24 : 64)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(0);
    setTextElideMode(Qt::ElideNone);
    setSectionsClickable(false);
    setHighlightSections(false);
}

void GridHeader::setThickness(int pixels)
{
    m_thickness = std::max(0, pixels);
    updateGeometry();
}

// The thickness is set, not measured: the table asks for this hint on every
// change of shape, and QHeaderView would measure up to two hundred headings each time.
QSize GridHeader::sizeHint() const
{
    return orientation() == Qt::Horizontal ? QSize(length(), m_thickness) : QSize(m_thickness, length());
}

void GridHeader::mousePressEvent(QMouseEvent *event)
{
    m_pressedSection = event->button() == Qt::LeftButton ? logicalIndexAt(event->position().toPoint()) : -1;
    event->accept();
}

void GridHeader::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void GridHeader::mouseReleaseEvent(QMouseEvent *event)
{
    const int section = logicalIndexAt(event->position().toPoint());
    const bool click = event->button() == Qt::LeftButton && section >= 0 && section == m_pressedSection;
    m_pressedSection = -1;
    event->accept();
    Q_EMIT mouseReleased(event->button());
    if (click)
        Q_EMIT headingClicked(section);
}

void GridHeader::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A second click of a double-click counts as a press, so quick heading
    // clicks still alternate the sort order.
    mousePressEvent(event);
}

} // namespace tq

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

QSize GridHeader::sizeHint() const
{
    QSize hint = QHeaderView::sizeHint();
    if (orientation() == Qt::Horizontal)
        hint.setHeight(m_thickness);
    else
        hint.setWidth(m_thickness);
    return hint;
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

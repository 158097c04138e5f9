#include "components/gridcorner.h"

#include "components/gridmodel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStylePainter>

namespace tq {

GridCorner::GridCorner(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void GridCorner::setSource(const GridModel *model)
{
    m_model = model;
    update();
}

void GridCorner::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    if (!m_model) {
        painter.drawControl(QStyle::CE_HeaderSection, option);
        return;
    }
    option.text = GridModel::displayText(m_model->text(0, 0));
    option.textAlignment = m_model->fixedAlignment(0) | Qt::AlignVCenter;
    if (!(option.textAlignment & Qt::AlignHorizontal_Mask))
        option.textAlignment |= Qt::AlignHCenter;
    const QColor background = m_model->background(0, 0);
    painter.drawControl(QStyle::CE_HeaderSection, option);
    if (background.isValid())
        painter.fillRect(rect().adjusted(1, 1, -1, -1), background);
    painter.drawControl(QStyle::CE_HeaderLabel, option);
    const QPixmap picture = m_model->picture(0, 0);
    if (!picture.isNull()) {
        const QSize size = picture.deviceIndependentSize().toSize();
        painter.drawPixmap(QRect(QPoint(), size).translated(rect().center() - QRect(QPoint(), size).center()),
                           picture);
    }
}

void GridCorner::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void GridCorner::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    Q_EMIT mouseReleased(event->button());
    if (click)
        Q_EMIT clicked();
}

} // namespace tq

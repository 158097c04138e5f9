#include "frame/mainpanel.h"

#include <QPainter>

namespace tq {

MainPanel::MainPanel(const QString &objectName, const QString &caption, QWidget *parent)
    : QFrame(parent), m_caption(caption)
{
    setObjectName(objectName);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setAccessibleName(caption);
}

void MainPanel::setFaceColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QColor MainPanel::faceColour() const
{
    return palette().color(QPalette::Window);
}

void MainPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    // The caption sits in the top band; the tool's controls start below it.
    QPainter p(this);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    const QRect band = contentsRect().adjusted(4, 4, -4, 0);
    p.drawText(QRect(band.topLeft(), QSize(band.width(), p.fontMetrics().height() + 4)), Qt::AlignCenter,
               m_caption);
}

} // namespace tq

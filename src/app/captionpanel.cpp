#include "app/captionpanel.h"

#include <QPainter>

namespace tq {

CaptionPanel::CaptionPanel(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(3);
    setAutoFillBackground(true);
}

void CaptionPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void CaptionPanel::setCaptionHeight(int pixels)
{
    m_captionHeight = pixels;
    update();
}

void CaptionPanel::setCaptionFont(const QFont &font)
{
    m_captionFont = font;
    update();
}

void CaptionPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    QPainter p(this);
    p.setFont(m_captionFont);
    const QRect band(contentsRect().left(), contentsRect().top(), contentsRect().width(),
                     m_captionHeight > 0 ? m_captionHeight : contentsRect().height());
    // An engraved look: a light copy one pixel down-right under the text.
    p.setPen(palette().color(QPalette::Light));
    p.drawText(band.translated(1, 1), Qt::AlignCenter, m_caption);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(band, Qt::AlignCenter, m_caption);
}

} // namespace tq

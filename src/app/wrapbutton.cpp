#include "app/wrapbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tq {

WrapButton::WrapButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);

    const QRect area =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (option.state & QStyle::State_Sunken)
        p.translate(1, 1);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(area, flags, caption);
}

} // namespace tq

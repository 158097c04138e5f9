#include "frame/framestatusbar.h"

#include <QLabel>
#include <QMouseEvent>

namespace tq {

FrameStatusBar::FrameStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    const QString texts[3] = {QString(), restoreTopText(), restoreSideText()};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(texts[i], this);
        label->setObjectName(QStringLiteral("StatusBar1(%1)").arg(i + 1));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        m_panels[i] = label;
        if (i == 0) {
            addWidget(label, 1);
            continue;
        }
        // The notice explains itself as a tooltip too, and reacts to a click.
        label->setToolTip(texts[i]);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        label->hide();
        addPermanentWidget(label);
    }
}

QString FrameStatusBar::text() const
{
    return m_panels[0]->text();
}

void FrameStatusBar::setText(const QString &text)
{
    m_panels[0]->setText(text);
}

void FrameStatusBar::setRestoreTopShown(bool shown)
{
    m_panels[1]->setVisible(shown);
}

void FrameStatusBar::setRestoreSideShown(bool shown)
{
    m_panels[2]->setVisible(shown);
}

QLabel *FrameStatusBar::panel(int number) const
{
    return number >= 1 && number <= 3 ? m_panels[number - 1] : nullptr;
}

bool FrameStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease ||
        static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QStatusBar::eventFilter(watched, event);
    // Recognised by the text, so the notice acts only while it says what it does.
    const QString text = static_cast<QLabel *>(watched)->text();
    if (text == restoreTopText())
        Q_EMIT restoreTopClicked();
    else if (text == restoreSideText())
        Q_EMIT restoreSideClicked();
    return true;
}

} // namespace tq

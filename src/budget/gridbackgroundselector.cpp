#include "budget/gridbackgroundselector.h"

#include "budget/budgetgridcolours.h"
#include "common/twips.h"
#include "components/fontfamily.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace tq {

namespace {

constexpr int thumbnailLefts[] = {160, 1460, 2760, 4060};
constexpr int thumbnailTops[] = {828, 2221, 3613, 5016};
constexpr QSize thumbnailSize(1200, 1242);
constexpr QSize panelSize(5420, 7420);

int px(int twips)
{
    return twipsToPixels(twips);
}
QRect pxRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// A thumbnail takes clicks; a label would pass them on to the panel.
class Thumbnail : public QLabel
{
public:
    std::function<void()> onClick;
    using QLabel::QLabel;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
            onClick();
    }
};

void setRaised(QFrame *frame, bool raised)
{
    frame->setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Plain));
    frame->setLineWidth(raised ? 2 : 1);
}

} // namespace

QSize GridBackgroundSelector::designTwips()
{
    return panelSize;
}

GridBackgroundSelector::GridBackgroundSelector(BudgetGridColours &colours, QWidget *parent)
    : QFrame(parent), m_colours(colours)
{
    setObjectName(QStringLiteral("SSPanel4"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    resize(px(panelSize.width()), px(panelSize.height()));
    buildControls();
    hide();
}

QRect GridBackgroundSelector::thumbnailRect(int index) const
{
    return pxRect(thumbnailLefts[index % 4], thumbnailTops[index / 4], thumbnailSize.width(),
                  thumbnailSize.height());
}

void GridBackgroundSelector::buildControls()
{
    auto *caption = new QLabel(QStringLiteral("Grid Background Selector"), this);
    caption->setObjectName(QStringLiteral("Label19"));
    caption->setFont(QFont(resolvedFamily(QStringLiteral("Times New Roman")), 14, QFont::Bold));
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(pxRect(160, 150, 5100, 500));

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Shape2"));
    m_frame->setStyleSheet(QStringLiteral("QFrame { border: 2px solid blue; }"));
    m_frame->hide();

    for (int i = 0; i < thumbnailCount; ++i) {
        auto *thumbnail = new Thumbnail(this);
        thumbnail->setObjectName(QStringLiteral("Image3(%1)").arg(i));
        thumbnail->setAccessibleName(QStringLiteral("Background picture %1").arg(i + 1));
        thumbnail->setGeometry(thumbnailRect(i));
        thumbnail->setScaledContents(true);
        thumbnail->onClick = [this, i] { clickThumbnail(i); };
        setRaised(thumbnail, true);
        m_thumbnails.append(thumbnail);
    }

    auto *note =
        new QLabel(QStringLiteral("(Budget Grid Background and Text Color will also be used by Actuarial "
                                  "and Loan Calculator Grids)"),
                   this);
    note->setObjectName(QStringLiteral("Label20"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    note->setGeometry(pxRect(160, 6330, 5100, 420));

    // Two-line captions fit the row; screen readers get them on one line.
    const QStringList captions{QStringLiteral("&Select Color\nBackground"),
                               QStringLiteral("Use &Default\nBackground"),
                               QStringLiteral("Use &Above\nBackground"), QStringLiteral("&Cancel")};
    for (int b = 0; b < captions.size(); ++b) {
        auto *button = new QPushButton(captions[b], this);
        button->setObjectName(QStringLiteral("Command16(%1)").arg(b));
        button->setAccessibleName(QString(captions[b]).replace(u'\n', u' ').remove(u'&'));
        button->setGeometry(pxRect(160 + b * 1290, 6800, 1230, 520));
        connect(button, &QPushButton::clicked, this, [this, b] { press(b); });
        m_buttons.append(button);
    }
    m_buttons[2]->setEnabled(false);
}

void GridBackgroundSelector::toggle()
{
    if (isVisible())
        hideSelector();
    else
        open();
}

void GridBackgroundSelector::cancelIfShown()
{
    if (isVisible())
        m_buttons[3]->click();
}

void GridBackgroundSelector::hideSelector()
{
    hide();
    for (QFrame *thumbnail : std::as_const(m_thumbnails))
        static_cast<QLabel *>(thumbnail)->clear();
}

void GridBackgroundSelector::open()
{
    for (int i = 0; i < thumbnailCount; ++i) {
        auto *thumbnail = static_cast<QLabel *>(m_thumbnails[i]);
        thumbnail->setPixmap(m_colours.thumbnailPicture(i, thumbnail->size()));
        setRaised(thumbnail, true);
    }
    m_frame->hide();
    m_selected = -1;
    Q_EMIT statusText(QStringLiteral("Grid Background Selector"));
    if (m_colours.settingIsPicture()) {
        bool isNumber = false;
        const int number = m_colours.setting().mid(2).toInt(&isNumber);
        if (isNumber && number >= 1 && number <= thumbnailCount)
            select(number - 1);
    }
    if (parentWidget())
        move((parentWidget()->width() - width()) / 2, y());
    show();
    raise();
}

void GridBackgroundSelector::select(int index)
{
    for (QFrame *thumbnail : std::as_const(m_thumbnails))
        setRaised(thumbnail, true);
    setRaised(m_thumbnails[index], false);
    const QRect around = m_thumbnails[index]->geometry();
    const int margin = px(30);
    m_frame->setGeometry(around.adjusted(-margin, -margin, margin, margin));
    m_frame->show();
    m_frame->lower();
    m_selected = index;
}

void GridBackgroundSelector::clickThumbnail(int index)
{
    m_buttons[2]->setEnabled(true);
    select(index);
    m_colours.preview(index);
}

void GridBackgroundSelector::press(int button)
{
    hideSelector();
    switch (button) {
    case 0:
        m_colours.chooseColourBackground();
        break;
    case 1:
        m_colours.useDefaultBackground();
        break;
    case 2:
        m_colours.useClickedPicture();
        break;
    default:
        m_colours.cancelChoice();
        break;
    }
    Q_EMIT statusText(QString());
}

} // namespace tq

#include "app/about1.h"

#include "app/appicon.h"
#include "common/twips.h"
#include "components/colours.h"
#include "components/program.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

namespace tq {

namespace {

// The design client area, in twips; the window itself takes its size from the launcher.
constexpr int designWidth = 4910;
constexpr int designHeight = 4100;

QString webSiteName()
{
    return QUrl(DesktopPlatform::webSiteAddress()).host();
}

} // namespace

About1::About1(Program &program, QWidget *launcher)
    : QDialog(launcher), m_program(program), m_launcher(launcher)
{
    setObjectName(QStringLiteral("About1"));
    setWindowTitle(QStringLiteral("About Tallyquill 2007"));
    buildControls();
    sizeFromLauncher();
    placeOverLauncher();
}

void About1::showEvent(QShowEvent *event)
{
    // Again now that the window has a frame: the sizes are outer sizes.
    sizeFromLauncher();
    placeOverLauncher();
    QDialog::showEvent(event);
}

int About1::px(double twips) const
{
    return twipsToPixels(twips, logicalDpiX());
}

QString About1::aboutText()
{
    return QStringList{
        QStringLiteral("Tallyquill 2007"),
        QStringLiteral("Version 4.0"),
        QString(),
        QStringLiteral("Tallyquill Household Software"),
        QStringLiteral("Copyright 1997-2007"),
        QStringLiteral("All rights reserved."),
        QStringLiteral("Built with Qt %1 (LGPL 3).").arg(QString::fromLatin1(qVersion())),
        QStringLiteral("Spell checking by Hunspell (LGPL/GPL/MPL)."),
        QString(),
        QStringLiteral("Questions and suggestions: help@tallyquill.example.org"),
    }
        .join(u'\r');
}

void About1::buildControls()
{
    // The window takes the system face colour.
    QPalette face = palette();
    face.setColor(QPalette::Window, systemDefaultColor());
    setPalette(face);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("SSPanel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    m_design.append({panel, QRect(px(105), px(105), px(4700), px(3150))});

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(QPixmap::fromImage(paintAppIcon(32)));
    icon->setAccessibleName(tr("Tallyquill icon"));
    m_design.append({icon, QRect(px(285), px(285), px(480), px(480))});

    auto *text = new QLabel(QString(aboutText()).replace(u'\r', u'\n'), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(true);
    m_design.append({text, QRect(px(960), px(240), px(3750), px(2940))});

    auto *caption = new QLabel(QStringLiteral("Web Site:"), this);
    caption->setObjectName(QStringLiteral("Label4"));
    m_design.append({caption, QRect(px(150), px(3450), px(900), px(300))});

    m_link = new QLabel(webSiteName(), this);
    m_link->setObjectName(QStringLiteral("Label5"));
    QPalette blue = m_link->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    m_link->setPalette(blue);
    QFont underlined = m_link->font();
    underlined.setUnderline(true);
    m_link->setFont(underlined);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->installEventFilter(this);
    caption->setBuddy(m_link);
    m_design.append({m_link, QRect(px(1050), px(3450), px(2600), px(300))});

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_design.append({m_ok, QRect(px(3730), px(3390), px(855), px(375))});

    m_contextMenu = new QMenu(QStringLiteral("Opt"), this);
    m_contextMenu->setObjectName(QStringLiteral("mO"));
    QAction *ok = m_contextMenu->addAction(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("mOOK"));
    connect(ok, &QAction::triggered, this, &QDialog::accept);

    for (const auto &[w, rect] : std::as_const(m_design))
        w->setGeometry(rect);
    icon->raise();
    text->raise();
}

void About1::sizeFromLauncher()
{
    const QSize launcher = m_launcher ? m_launcher->frameGeometry().size() : m_program.state.launcherSize;
    const QSize outer(int(launcher.width() * 0.42), int(launcher.height() * 0.47));
    resize(outer - (frameGeometry().size() - size()));
}

void About1::placeOverLauncher()
{
    const QPoint origin = m_launcher ? m_launcher->frameGeometry().topLeft() : QPoint();
    const QSize recorded = m_program.state.launcherSize;
    const QSize outer = frameGeometry().size();
    move(origin.x() + recorded.width() / 2 - outer.width() / 2,
         origin.y() + recorded.height() / 2 - outer.height() / 2 + px(100));
}

void About1::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        sizeFromLauncher();
}

void About1::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // Full screen display scales every control with the window; the smaller
    // display keeps the design sizes.
    const bool scale = m_program.state.displayMode == DisplayMode::FullScreen;
    const double sx = scale ? double(width()) / px(designWidth) : 1.0;
    const double sy = scale ? double(height()) / px(designHeight) : 1.0;
    for (const auto &[w, rect] : std::as_const(m_design))
        w->setGeometry(int(rect.x() * sx), int(rect.y() * sy), int(rect.width() * sx),
                       int(rect.height() * sy));
}

void About1::mouseReleaseEvent(QMouseEvent *event)
{
    // Right-button releases on the window, its labels and the OK button (which
    // all pass them on) open the small menu.
    if (event->button() == Qt::RightButton)
        m_contextMenu->popup(event->globalPosition().toPoint());
    else
        QDialog::mouseReleaseEvent(event);
}

bool About1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        m_program.platform.openWebPage(QString());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tq

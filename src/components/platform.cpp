#include "components/platform.h"

#include "components/helpwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QUrl>

namespace tq {

DesktopPlatform::DesktopPlatform(QString helpFolder) : m_helpFolder(std::move(helpFolder)) {}

DesktopPlatform::~DesktopPlatform()
{
    delete m_help;
}

QString DesktopPlatform::webSiteAddress()
{
    return QStringLiteral("https://tallyquill.example.org/");
}

void DesktopPlatform::setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void DesktopPlatform::setClipboardImage(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
}

void DesktopPlatform::showHelp(int topicId)
{
    if (!m_help)
        m_help = new HelpWindow(m_helpFolder);
    m_help->showTopic(topicId);
}

void DesktopPlatform::openWebPage(const QString &page)
{
    QDesktopServices::openUrl(QUrl(webSiteAddress() + page));
}

void DesktopPlatform::beep()
{
    QApplication::beep();
}

void DesktopPlatform::setBusy(bool busy)
{
    // Nested busy sections keep the hourglass until the outermost one ends.
    if (busy) {
        if (m_busyDepth++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_busyDepth > 0 && --m_busyDepth == 0) {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace tq

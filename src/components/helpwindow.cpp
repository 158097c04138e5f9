#include "components/helpwindow.h"

#include <QDir>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tq {

HelpWindow::HelpWindow(QString helpFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_folder(std::move(helpFolder)), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Tallyquill Help"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({m_folder});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 560);
}

void HelpWindow::showTopic(int topicId)
{
    m_browser->setSource(
        QUrl::fromLocalFile(QDir(m_folder).filePath(QStringLiteral("%1.html").arg(topicId))));
    show();
    raise();
    activateWindow();
}

QString HelpWindow::currentSource() const
{
    return m_browser->source().toLocalFile();
}

} // namespace tq

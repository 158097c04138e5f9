#pragma once
#include <QWidget>

class QTextBrowser;

namespace tq {

// Shows the program's help pages, one HTML page per numeric topic id.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QString helpFolder, QWidget *parent = nullptr);
    void showTopic(int topicId);
    QString currentSource() const;

private:
    QString m_folder;
    QTextBrowser *m_browser;
};

} // namespace tq

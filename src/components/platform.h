#pragma once
// Clipboard, help, web pages, beep and the busy pointer: the desktop services
// a window may ask for, behind one seam so tests can record them.
#include <QImage>
#include <QString>

class QWidget;

namespace tq {

class Platform
{
public:
    virtual ~Platform() = default;
    virtual void setClipboardText(const QString &text) = 0;
    virtual void setClipboardImage(const QImage &image) = 0;
    virtual void showHelp(int topicId) = 0;
    virtual void openWebPage(const QString &page) = 0; // "" = the home page
    virtual void beep() = 0;
    virtual void setBusy(bool busy) = 0;
};

class HelpWindow;

class DesktopPlatform : public Platform
{
public:
    explicit DesktopPlatform(QString helpFolder);
    ~DesktopPlatform() override;
    void setClipboardText(const QString &text) override;
    void setClipboardImage(const QImage &image) override;
    void showHelp(int topicId) override;
    void openWebPage(const QString &page) override;
    void beep() override;
    void setBusy(bool busy) override;

    static QString webSiteAddress();

private:
    QString m_helpFolder;
    HelpWindow *m_help = nullptr;
    int m_busyDepth = 0;
};

} // namespace tq

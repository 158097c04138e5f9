#pragma once
// `StatusBar1` of a tool window: panel 1 the status text, panels 2 and 3 the
// clickable "restore" notices shown only while a toolbar is hidden.
#include <QStatusBar>

class QLabel;

namespace tq {

class FrameStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    static QString restoreTopText() { return QStringLiteral("Click to Restore Top Toolbar"); }
    static QString restoreSideText() { return QStringLiteral("Click to Restore Side Toolbars"); }

    explicit FrameStatusBar(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    void setRestoreTopShown(bool shown);
    void setRestoreSideShown(bool shown);
    // Panels 1 to 3, for tests and snapshots.
    QLabel *panel(int number) const;

Q_SIGNALS:
    void restoreTopClicked();
    void restoreSideClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_panels[3] = {};
};

} // namespace tq

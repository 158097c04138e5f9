#pragma once
// The raised 3-D main panel of a tool window; its caption is the tool's name.
#include <QFrame>

namespace tq {

class MainPanel : public QFrame
{
    Q_OBJECT
public:
    MainPanel(const QString &objectName, const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    // Fills the face with `colour` (the panel colour or the system default colour).
    void setFaceColour(const QColor &colour);
    QColor faceColour() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};

} // namespace tq

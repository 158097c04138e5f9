#pragma once
#include <QFrame>

namespace tq {

// A raised 3-D panel with a caption drawn across its top.
class CaptionPanel : public QFrame
{
    Q_OBJECT
public:
    explicit CaptionPanel(QWidget *parent = nullptr);
    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    // Height in pixels of the band the caption is drawn in.
    void setCaptionHeight(int pixels);
    // The caption's own font; the panel's children keep the ordinary font.
    void setCaptionFont(const QFont &font);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    int m_captionHeight = 0;
    QFont m_captionFont;
};

} // namespace tq

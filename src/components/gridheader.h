#pragma once
// The fixed heading row or column of a Grid. Its thickness is set by the grid
// (the height of row 0, the width of column 0) rather than measured from the
// texts, and a click on a heading is reported instead of selecting anything.
#include <QHeaderView>

namespace tq {

class GridHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit GridHeader(Qt::Orientation orientation, QWidget *parent = nullptr);

    // Height of a horizontal header or width of a vertical one, in pixels.
    int thickness() const { return m_thickness; }
    void setThickness(int pixels);

    QSize sizeHint() const override;

Q_SIGNALS:
    // Left button pressed and released on the same heading.
    void headingClicked(int section);
    void mouseReleased(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_thickness;
    int m_pressedSection = -1;
};

} // namespace tq

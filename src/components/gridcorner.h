#pragma once
// Cell (0, 0) of a Grid, drawn where the fixed row and column meet: a
// heading-styled cell with its text and its picture centred, or blank.
#include <QWidget>

namespace tq {

class GridModel;

class GridCorner : public QWidget
{
    Q_OBJECT
public:
    explicit GridCorner(QWidget *parent);
    // The grid's own string model keeps the corner cell; other models leave it blank (null).
    void setSource(const GridModel *model);

Q_SIGNALS:
    void clicked();
    void mouseReleased(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const GridModel *m_model = nullptr;
    bool m_pressed = false;
};

} // namespace tq

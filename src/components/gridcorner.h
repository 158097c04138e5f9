#pragma once
// Cell (0, 0) of a Grid, drawn where the fixed row and column meet: a
// heading-styled cell with its text and its picture centred.
#include <QWidget>

namespace tq {

class GridModel;

class GridCorner : public QWidget
{
    Q_OBJECT
public:
    GridCorner(const GridModel &model, QWidget *parent);

Q_SIGNALS:
    void clicked();
    void mouseReleased(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const GridModel &m_model;
    bool m_pressed = false;
};

} // namespace tq

#pragma once
// Places widgets from their design geometry in twips. In smaller screen display
// the scale is 1 and controls keep their design size; in full screen display the
// window scales every registered control (position, size and font) by the ratio
// of the window size to its design size.
#include <QFont>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace tq {

class ProportionalLayout
{
public:
    // Geometry is relative to the widget's parent, as designed.
    void add(QWidget *widget, const QRect &twips);
    // A widget that placed its own children at design size (in pixels at this
    // layout's dpi): they scale with it.
    void addTree(QWidget *root, const QRect &twips);
    void remove(const QWidget *widget);

    void setDpi(double dpi) { m_dpi = dpi; }
    void setScale(double x, double y);
    double scaleX() const { return m_scaleX; }
    double scaleY() const { return m_scaleY; }

    QRect toPixels(const QRect &twips) const;
    QSize toPixels(const QSize &twips) const;

    // Gives every registered widget its scaled geometry and font.
    void apply() const;

private:
    struct Entry {
        QPointer<QWidget> widget;
        QRect twips;
        QFont designFont;
    };
    QList<Entry> m_entries;
    double m_dpi = 96.0;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
};

} // namespace tq

#include "frame/toolbaricons.h"

#include "components/prebuiltpixmap.h"
#include "frame/activitytoolbar.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <functional>

namespace tq {

namespace {

// Everything is drawn on a 32 x 32 grid and scaled, so the sizes match.
constexpr int grid = 32;

const QColor toolTile(0x2f, 0x6f, 0xb3);
const QColor utilityTile(0x5b, 0x6b, 0x7a);
const QColor helpTile(0x2e, 0x8b, 0x57);
const QColor exitTile(0xb8, 0x3b, 0x3b);
const QColor activityTile(0x8a, 0x94, 0x9e);

using Painter = std::function<void(QPainter &)>;

// Between the designed sizes a tile is drawn at the next larger one and scaled
// down, so the toolbars keep the look they have always had.
int drawingSize(int side)
{
    for (int designed : ToolbarIcons::designedSizes())
        if (designed >= side)
            return designed;
    return side;
}

QPixmap paintTile(int size, const QColor &tile, const Painter &symbol)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(size) / grid, double(size) / grid);
    p.setPen(QPen(tile.darker(130), 1));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    symbol(p);
    return pixmap;
}

// The tile as the build painted it, or a null pixmap where it did not.
QPixmap prebuilt(const QString &key, int size)
{
    return prebuiltPixmap(QStringLiteral(":/toolbaricons/") + ToolbarIcons::prebuiltName(key, size),
                          QSize(size, size));
}

// Gives an icon only at the size and mode a button asks for, when it first
// asks: a window's toolbars carry some fifty icons and show each at one size.
// A designed size comes as the build painted it; painting it here would load
// fonts and cost a third of a window's opening. The pixmaps go into Qt's
// pixmap cache, so the next window reuses them.
class TileEngine : public QIconEngine
{
public:
    TileEngine(QString key, QColor tile, Painter symbol)
        : m_key(std::move(key)), m_tile(tile), m_symbol(std::move(symbol))
    {
    }

    QIconEngine *clone() const override { return new TileEngine(m_key, m_tile, m_symbol); }
    QString key() const override { return QStringLiteral("tq-tile"); }
    QString iconName() override { return m_key; }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        const QString key = QStringLiteral("tq-icon/%1/%2/%3").arg(m_key).arg(side).arg(int(mode));
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        pixmap = prebuilt(m_key, side);
        if (pixmap.isNull()) {
            const int drawn = drawingSize(side);
            pixmap = prebuilt(m_key, drawn);
            if (pixmap.isNull())
                pixmap = paintTile(drawn, m_tile, m_symbol);
            if (drawn != side)
                pixmap = pixmap.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (mode != QIcon::Normal) {
            // Greyed as Qt greys the pixmaps of an ordinary icon.
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    QString m_key;
    QColor m_tile;
    Painter m_symbol;
};

QIcon tileIcon(const QString &key, const QColor &tile, const Painter &symbol)
{
    return QIcon(new TileEngine(key, tile, symbol));
}

void drawText(QPainter &p, const QRectF &box, const QString &text, int pixelSize)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
}

void house(QPainter &p)
{
    p.drawPolyline(QPolygonF({{7, 15}, {16, 7}, {25, 15}}));
    p.drawPolyline(QPolygonF({{10, 13}, {10, 25}, {22, 25}, {22, 13}}));
    p.drawRect(QRectF(14, 18, 4, 7));
}

void page(QPainter &p, const QRectF &r)
{
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRect(r);
    p.setBrush(Qt::NoBrush);
}

void symbolFor(Glyph glyph, QPainter &p)
{
    switch (glyph) {
    case Glyph::MainMenu:
        for (double x : {8.0, 17.0})
            for (double y : {8.0, 17.0})
                p.drawRect(QRectF(x, y, 7, 7));
        break;
    case Glyph::Actuarial:
        p.drawPolyline(QPolygonF({{7, 24}, {7, 7}}));
        p.drawPolyline(QPolygonF({{7, 25}, {25, 25}}));
        p.drawPolyline(QPolygonF({{10, 21}, {15, 16}, {19, 18}, {25, 9}}));
        break;
    case Glyph::Calculator:
        p.drawRoundedRect(QRectF(9, 6, 14, 20), 2, 2);
        p.drawLine(QPointF(12, 10), QPointF(20, 10));
        for (double x : {12.5, 16.0, 19.5})
            for (double y : {15.0, 18.5, 22.0})
                p.drawPoint(QPointF(x, y));
        break;
    case Glyph::HomeCalc:
        house(p);
        break;
    case Glyph::Loan:
        p.drawRect(QRectF(6, 10, 20, 12));
        p.drawEllipse(QPointF(16, 16), 3, 3);
        p.drawLine(QPointF(9, 13), QPointF(9, 13));
        p.drawLine(QPointF(23, 19), QPointF(23, 19));
        break;
    case Glyph::Budget:
        page(p, QRectF(8, 6, 16, 20));
        for (double y : {11.0, 15.0, 19.0})
            p.drawLine(QPointF(11, y), QPointF(21, y));
        p.drawLine(QPointF(17, 9), QPointF(17, 23));
        break;
    case Glyph::FamilyNames:
        p.drawEllipse(QPointF(12, 11), 3, 3);
        p.drawEllipse(QPointF(21, 12), 2.5, 2.5);
        p.drawArc(QRectF(6, 17, 12, 12), 0, 180 * 16);
        p.drawArc(QRectF(16, 18, 10, 10), 0, 180 * 16);
        break;
    case Glyph::Sound:
        p.drawPolygon(QPolygonF({{7, 13}, {11, 13}, {16, 8}, {16, 24}, {11, 19}, {7, 19}}));
        p.drawArc(QRectF(14, 11, 8, 10), -50 * 16, 100 * 16);
        p.drawArc(QRectF(14, 7, 12, 18), -50 * 16, 100 * 16);
        break;
    case Glyph::WebSite:
        p.drawEllipse(QPointF(16, 16), 10, 10);
        p.drawEllipse(QPointF(16, 16), 4, 10);
        p.drawLine(QPointF(6, 16), QPointF(26, 16));
        break;
    case Glyph::Help:
        drawText(p, QRectF(0, 0, grid, grid), QStringLiteral("?"), 22);
        break;
    case Glyph::Exit:
        p.drawPolyline(QPolygonF({{17, 8}, {8, 8}, {8, 24}, {17, 24}}));
        p.drawLine(QPointF(13, 16), QPointF(25, 16));
        p.drawPolyline(QPolygonF({{21, 12}, {25, 16}, {21, 20}}));
        break;
    case Glyph::PanelColour:
        p.drawEllipse(QPointF(16, 16), 10, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd5, 0x4f));
        p.drawEllipse(QPointF(12, 13), 2.6, 2.6);
        p.setBrush(QColor(0x81, 0xd4, 0xfa));
        p.drawEllipse(QPointF(19, 12), 2.6, 2.6);
        p.setBrush(QColor(0xa5, 0xd6, 0xa7));
        p.drawEllipse(QPointF(20, 19), 2.6, 2.6);
        break;
    case Glyph::Copy:
        page(p, QRectF(7, 6, 12, 15));
        page(p, QRectF(13, 11, 12, 15));
        break;
    case Glyph::Print:
        p.drawRect(QRectF(11, 6, 10, 7));
        p.drawRoundedRect(QRectF(6, 13, 20, 9), 2, 2);
        page(p, QRectF(11, 19, 10, 7));
        break;
    case Glyph::GridBackground:
        p.drawRect(QRectF(7, 7, 18, 18));
        p.drawLine(QPointF(13, 7), QPointF(13, 25));
        p.drawLine(QPointF(19, 7), QPointF(19, 25));
        p.drawLine(QPointF(7, 13), QPointF(25, 13));
        p.drawLine(QPointF(7, 19), QPointF(25, 19));
        break;
    case Glyph::TextColour:
        drawText(p, QRectF(0, 0, grid, 26), QStringLiteral("A"), 18);
        p.setPen(QPen(QColor(0xff, 0xd5, 0x4f), 3));
        p.drawLine(QPointF(9, 25), QPointF(23, 25));
        break;
    case Glyph::InsertRow:
        for (double y : {9.0, 23.0})
            p.drawLine(QPointF(7, y), QPointF(25, y));
        p.drawLine(QPointF(16, 12), QPointF(16, 20));
        p.drawLine(QPointF(12, 16), QPointF(20, 16));
        break;
    case Glyph::Totals:
        p.drawPolyline(QPolygonF({{22, 8}, {9, 8}, {16, 16}, {9, 24}, {22, 24}}));
        break;
    }
}

QColor tileFor(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Help:
        return helpTile;
    case Glyph::Exit:
        return exitTile;
    case Glyph::FamilyNames:
    case Glyph::Sound:
    case Glyph::WebSite:
    case Glyph::PanelColour:
    case Glyph::Copy:
    case Glyph::Print:
    case Glyph::GridBackground:
    case Glyph::TextColour:
    case Glyph::InsertRow:
    case Glyph::Totals:
        return utilityTile;
    default:
        return toolTile;
    }
}

} // namespace

const QList<int> &ToolbarIcons::designedSizes()
{
    static const QList<int> sizes = {16, 20, 24, 32, 48};
    return sizes;
}

const QList<int> &ToolbarIcons::prebuiltSizes()
{
    static const QList<int> sizes = {16, ActivityToolbar::iconSide, 20, 24, 32, 48};
    return sizes;
}

QString ToolbarIcons::prebuiltName(const QString &iconName, int size)
{
    return QString(iconName).replace(QLatin1Char('/'), QLatin1Char('-')) +
           QStringLiteral("-%1.argb").arg(size);
}

QIcon ToolbarIcons::glyph(Glyph glyph)
{
    return tileIcon(QString::number(int(glyph)), tileFor(glyph),
                    [glyph](QPainter &p) { symbolFor(glyph, p); });
}

QIcon ToolbarIcons::activity(const QString &letters)
{
    const QString shown = letters.left(2).toUpper();
    return tileIcon(QStringLiteral("activity/") + shown, activityTile, [shown](QPainter &p) {
        drawText(p, QRectF(0, 0, grid, grid), shown, shown.size() > 1 ? 13 : 18);
    });
}

} // namespace tq

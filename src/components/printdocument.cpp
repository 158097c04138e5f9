#include "components/printdocument.h"

#include "common/safefile.h"
#include "common/wholenumber.h"
#include "components/fontfamily.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace tq {

namespace {

constexpr double twipsPerPoint = 20.0;

QPageLayout letterPortrait()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
}

// Paints the pages one after another on a device that has already begun.
template <typename Device>
void paintAllPages(const PrintDocument &doc, QPainter &painter, Device &device, const QRectF &target)
{
    for (int n = 1; n <= doc.pageCount(); ++n) {
        if (n > 1)
            device.newPage();
        doc.paintPage(painter, n, target);
    }
}

} // namespace

PrintDocument::PrintDocument(QObject *parent) : QObject(parent), m_layout(letterPortrait()) {}

PrintDocument::~PrintDocument() = default;

void PrintDocument::startDoc()
{
    m_pages.clear();
    m_open = true;
    newPage();
}

void PrintDocument::endDoc()
{
    m_open = false;
    Q_EMIT ended();
}

void PrintDocument::newPage()
{
    if (!m_open)
        return;
    m_pages.append(PrintPage{pageWidth(), pageHeight(), {}});
    m_x = m_marginLeft;
    m_y = m_marginTop;
}

void PrintDocument::setPageLayout(const QPageLayout &layout)
{
    m_layout = QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF());
}

void PrintDocument::setOrientation(QPageLayout::Orientation orientation)
{
    m_layout.setOrientation(orientation);
}

double PrintDocument::pageWidth() const
{
    return m_layout.fullRect(QPageLayout::Point).width() * twipsPerPoint;
}

double PrintDocument::pageHeight() const
{
    return m_layout.fullRect(QPageLayout::Point).height() * twipsPerPoint;
}

double PrintDocument::printableWidth() const
{
    return pageWidth() - m_marginLeft - m_marginRight;
}

void PrintDocument::setMargins(double twips)
{
    m_marginLeft = m_marginTop = m_marginRight = m_marginBottom = twips;
}

void PrintDocument::setFontName(const QString &name)
{
    m_fontName = name;
    fontChanged();
}

void PrintDocument::setFontSize(double points)
{
    m_fontSize = points;
    fontChanged();
}

void PrintDocument::setFontBold(bool on)
{
    m_bold = on;
    fontChanged();
}

void PrintDocument::setFontItalic(bool on)
{
    m_italic = on;
    fontChanged();
}

void PrintDocument::setFontUnderline(bool on)
{
    m_underline = on;
    fontChanged();
}

void PrintDocument::setFontStrikeOut(bool on)
{
    m_strikeOut = on;
    fontChanged();
}

void PrintDocument::setFont(const FontChoice &font)
{
    m_fontName = font.family;
    m_fontSize = font.pointSize;
    m_bold = font.bold;
    m_italic = font.italic;
    m_underline = font.underline;
    m_strikeOut = font.strikeOut;
    m_colour = font.colour;
    fontChanged();
}

QFont PrintDocument::twipsFont(const QString &name, double points, bool bold, bool italic, bool underline,
                               bool strikeOut)
{
    QFont font(resolvedFamily(name));
    // One pixel of this font is one twip, so its metrics are twips and no
    // screen resolution enters them.
    font.setPixelSize(qMax(1, roundedInt(points * twipsPerPoint)));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

const PrintDocument::Metrics &PrintDocument::current() const
{
    if (!m_current) {
        const QFont font = twipsFont(m_fontName, m_fontSize, m_bold, m_italic, m_underline, m_strikeOut);
        m_current.emplace(Metrics{font, QFontMetricsF(font)});
    }
    return *m_current;
}

double PrintDocument::textWidth(const QString &text) const
{
    return current().metrics.horizontalAdvance(text);
}

double PrintDocument::lineHeight() const
{
    return current().metrics.height();
}

void PrintDocument::paragraph(const QString &text)
{
    if (!m_open)
        return;
    if (text.isEmpty()) {
        m_y += lineHeight();
    } else {
        double x = paragraphStart();
        for (const QString &line : wrappedLines(text, x)) {
            writeLine(line, x);
            x = m_marginLeft + m_indentLeft;
        }
    }
    m_x = m_marginLeft;
}

double PrintDocument::paragraphHeight(const QString &text) const
{
    return lineHeight() * (text.isEmpty() ? 1 : wrappedLines(text, paragraphStart()).size());
}

// At the left margin the left indent applies; a position the caller set (a
// second text on the same line) is kept.
double PrintDocument::paragraphStart() const
{
    return m_x <= m_marginLeft ? m_marginLeft + m_indentLeft : m_x;
}

// The printed lines of a paragraph: its own line breaks, then wrapping at the
// right indent; only the first line starts at x, the others at the indent.
QStringList PrintDocument::wrappedLines(const QString &text, double x) const
{
    static const QRegularExpression lineBreaks(QStringLiteral("\r\n|\r|\n"));
    const double right = pageWidth() - m_marginRight - m_indentRight;
    QStringList lines;
    for (QString rest : text.split(lineBreaks)) {
        do {
            const qsizetype cut = fittingPrefix(rest, right - x);
            lines.append(rest.left(cut));
            rest = rest.mid(cut).trimmed();
            x = m_marginLeft + m_indentLeft;
        } while (!rest.isEmpty());
    }
    return lines;
}

// The longest run of whole words that fits into room; the first word always
// goes, however long, so every text is written.
qsizetype PrintDocument::fittingPrefix(const QString &text, double room) const
{
    if (textWidth(text) <= room)
        return text.size();
    qsizetype best = -1;
    for (qsizetype i = text.indexOf(QLatin1Char(' '), 1); i > 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        if (textWidth(text.left(i)) > room)
            break;
        best = i;
    }
    if (best > 0)
        return best;
    const qsizetype firstSpace = text.indexOf(QLatin1Char(' '), 1);
    return firstSpace > 0 ? firstSpace : text.size();
}

void PrintDocument::writeLine(const QString &text, double x)
{
    // A line that would run off the paper's bottom margin opens a new page.
    if (!linesFit() && m_y > m_marginTop)
        newPage();
    appendText(text, x);
    m_y += lineHeight();
}

void PrintDocument::centredLine(const QList<CentredText> &texts)
{
    if (!m_open)
        return;
    const double left = m_marginLeft;
    const double right = pageWidth() - m_marginRight;
    for (const CentredText &t : texts) {
        if (t.text.isEmpty())
            continue;
        const double width = textWidth(t.text);
        appendText(t.text, std::max(left, std::min(t.centre - width / 2, right - width)));
    }
    m_y += lineHeight();
    m_x = m_marginLeft;
}

void PrintDocument::appendText(const QString &text, double x)
{
    const Metrics &m = current();
    PrintItem item;
    item.kind = PrintItem::Kind::Text;
    item.text = text;
    item.fontName = m_fontName;
    item.fontSize = m_fontSize;
    item.bold = m_bold;
    item.italic = m_italic;
    item.underline = m_underline;
    item.strikeOut = m_strikeOut;
    item.colour = m_colour;
    item.x = x;
    item.y = m_y;
    item.baseline = m_y + m.metrics.ascent();
    item.width = m.metrics.horizontalAdvance(text);
    m_pages.last().items.append(item);
}

void PrintDocument::drawLine(double x1, double y1, double x2, double y2)
{
    if (!m_open)
        return;
    PrintItem item;
    item.kind = PrintItem::Kind::Line;
    item.x = x1;
    item.y = y1;
    item.x2 = x2;
    item.y2 = y2;
    item.penWidth = m_penWidth;
    item.colour = Qt::black;
    m_pages.last().items.append(item);
}

void PrintDocument::paintPage(QPainter &painter, int pageNumber, const QRectF &target) const
{
    if (pageNumber < 1 || pageNumber > pageCount())
        return;
    const PrintPage &page = m_pages.at(pageNumber - 1);
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(target.width() / page.width, target.height() / page.height);
    QFont font;
    const PrintItem *fontOf = nullptr;
    for (const PrintItem &item : page.items) {
        if (item.kind == PrintItem::Kind::Line) {
            QPen pen(item.colour, item.penWidth);
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(QPointF(item.x, item.y), QPointF(item.x2, item.y2));
            continue;
        }
        const bool sameFont = fontOf && fontOf->fontName == item.fontName &&
                              fontOf->fontSize == item.fontSize && fontOf->bold == item.bold &&
                              fontOf->italic == item.italic && fontOf->underline == item.underline &&
                              fontOf->strikeOut == item.strikeOut;
        if (!sameFont) {
            font = twipsFont(item.fontName, item.fontSize, item.bold, item.italic, item.underline,
                             item.strikeOut);
            painter.setFont(font);
            fontOf = &item;
        }
        painter.setPen(item.colour);
        painter.drawText(QPointF(item.x, item.baseline), item.text);
    }
    painter.restore();
}

QImage PrintDocument::renderPage(int pageNumber, const QSize &size) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paintPage(painter, pageNumber, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

bool PrintDocument::print(QPrinter &printer) const
{
    if (pageCount() == 0)
        return false;
    printer.setFullPage(true);
    if (!printer.setPageLayout(m_layout)) {
        printer.setPageSize(m_layout.pageSize());
        printer.setPageOrientation(m_layout.orientation());
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    paintAllPages(*this, painter, printer, QRectF(QPointF(0, 0), paper.size()));
    return painter.end();
}

bool PrintDocument::savePdf(const QString &path) const
{
    if (pageCount() == 0)
        return false;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(m_layout);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Tallyquill"));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        paintAllPages(*this, painter, writer, QRectF(0, 0, writer.width(), writer.height()));
        painter.end();
    }
    return writeFileAtomically(path, buffer.data());
}

} // namespace tq

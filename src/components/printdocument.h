#pragma once
// A report document recorded as pages of display lists in twips. Tools write
// paragraphs and lines into it; the page view, a printer, a PDF file or an
// image paint the same lists at whatever scale they need.
#include "components/fontchoice.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QObject>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <optional>

class QImage;
class QPainter;
class QPrinter;
class QRectF;
class QSize;

namespace tq {

// One thing drawn on a page. Positions and sizes are in twips from the
// paper's top-left corner.
struct PrintItem {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;

    // Text: the line box starts at (x, y); the glyphs sit on the baseline.
    QString text;
    QString fontName;
    double fontSize = 0; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor colour;
    double x = 0;
    double y = 0;
    double baseline = 0;
    double width = 0;

    // Line: from (x, y) to (x2, y2), drawn with a pen penWidth wide.
    double x2 = 0;
    double y2 = 0;
    double penWidth = 0;
};

// A text centred on a horizontal position in twips.
struct CentredText {
    QString text;
    double centre = 0;
};

struct PrintPage {
    double width = 0; // twips, as the paper was when the page started
    double height = 0;
    QList<PrintItem> items;
};

class PrintDocument : public QObject
{
    Q_OBJECT
public:
    explicit PrintDocument(QObject *parent = nullptr);
    ~PrintDocument() override;

    // Pages are kept whether or not the preview flag is on; a caller that
    // turns it off prints the pages itself.
    bool preview() const { return m_preview; }
    void setPreview(bool on) { m_preview = on; }

    // Starting replaces the previous document and opens page 1.
    void startDoc();
    void endDoc();
    bool isOpen() const { return m_open; }
    void newPage();
    int page() const { return int(m_pages.size()); } // current page number, 1 on the first page
    int pageCount() const { return int(m_pages.size()); }
    const QList<PrintPage> &pages() const { return m_pages; }

    // Paper size and orientation; the layout's own margins are not used.
    QPageLayout pageLayout() const { return m_layout; }
    void setPageLayout(const QPageLayout &layout);
    QPageLayout::Orientation orientation() const { return m_layout.orientation(); }
    void setOrientation(QPageLayout::Orientation orientation);
    double pageWidth() const;
    double pageHeight() const;
    double printableWidth() const;

    double marginLeft() const { return m_marginLeft; }
    double marginTop() const { return m_marginTop; }
    double marginRight() const { return m_marginRight; }
    double marginBottom() const { return m_marginBottom; }
    void setMarginLeft(double twips) { m_marginLeft = twips; }
    void setMarginTop(double twips) { m_marginTop = twips; }
    void setMarginRight(double twips) { m_marginRight = twips; }
    void setMarginBottom(double twips) { m_marginBottom = twips; }
    void setMargins(double twips);
    double indentLeft() const { return m_indentLeft; }
    double indentRight() const { return m_indentRight; }
    void setIndentLeft(double twips) { m_indentLeft = twips; }
    void setIndentRight(double twips) { m_indentRight = twips; }

    QString fontName() const { return m_fontName; }
    double fontSize() const { return m_fontSize; }
    bool fontBold() const { return m_bold; }
    bool fontItalic() const { return m_italic; }
    bool fontUnderline() const { return m_underline; }
    bool fontStrikeOut() const { return m_strikeOut; }
    QColor textColour() const { return m_colour; }
    void setFontName(const QString &name);
    void setFontSize(double points);
    void setFontBold(bool on);
    void setFontItalic(bool on);
    void setFontUnderline(bool on);
    void setFontStrikeOut(bool on);
    void setTextColour(const QColor &colour) { m_colour = colour; }
    void setFont(const FontChoice &font); // every font property and the colour at once

    // Widths and heights in twips in the current font, independent of any screen.
    double textWidth(const QString &text) const;
    double lineHeight() const;

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double twips) { m_x = twips; }
    void setCurrentY(double twips) { m_y = twips; }

    // Writes the text at the current position, wrapping at the right indent,
    // then moves to the start of the next line. An empty text is a blank line.
    void paragraph(const QString &text);
    // The height the paragraph would take at the current position, and
    // whether it fits whole above the bottom margin.
    double paragraphHeight(const QString &text) const;
    bool paragraphFits(const QString &text) const
    {
        return m_y + paragraphHeight(text) <= pageHeight() - m_marginBottom;
    }

    // The texts side by side on the line at the current position, each centred
    // on its point and kept on the paper; the line is a unit that no wrap or
    // page break splits. The next line starts below it.
    void centredLine(const QList<CentredText> &texts);
    // Whether that many more lines in the current font fit above the bottom margin.
    bool linesFit(int lines = 1) const { return m_y + lines * lineHeight() <= pageHeight() - m_marginBottom; }

    double lineWidth() const { return m_penWidth; }
    void setLineWidth(double twips) { m_penWidth = twips; }
    void drawLine(double x1, double y1, double x2, double y2);

    // pageNumber counts from 1. The page fills target; nothing is drawn for a
    // page that does not exist.
    void paintPage(QPainter &painter, int pageNumber, const QRectF &target) const;
    QImage renderPage(int pageNumber, const QSize &size) const;
    bool print(QPrinter &printer) const;
    bool savePdf(const QString &path) const;

    // A font whose pixel size is in twips, for measuring and painting.
    static QFont twipsFont(const QString &name, double points, bool bold, bool italic, bool underline = false,
                           bool strikeOut = false);

Q_SIGNALS:
    void ended(); // the document is complete; a view shows page 1

private:
    void writeLine(const QString &text, double x);
    void appendText(const QString &text, double x);
    double paragraphStart() const;
    QStringList wrappedLines(const QString &text, double x) const;
    qsizetype fittingPrefix(const QString &text, double room) const;
    struct Metrics {
        QFont font;
        QFontMetricsF metrics;
    };
    const Metrics &current() const;
    void fontChanged() { m_current.reset(); }

    bool m_preview = true;
    bool m_open = false;
    QList<PrintPage> m_pages;
    QPageLayout m_layout;
    double m_marginLeft = 0, m_marginTop = 0, m_marginRight = 0, m_marginBottom = 0;
    double m_indentLeft = 0, m_indentRight = 0;
    QString m_fontName = QStringLiteral("Times New Roman");
    double m_fontSize = 14;
    bool m_bold = false, m_italic = false, m_underline = false, m_strikeOut = false;
    QColor m_colour = Qt::black;
    double m_x = 0, m_y = 0;
    double m_penWidth = 15;
    mutable std::optional<Metrics> m_current; // rebuilt after a font change
};

} // namespace tq

#include "budget/budgetdocument.h"

#include "budget/documentlines.h"
#include "budgetengine/budgetmodel.h"
#include "components/printdocument.h"

#include <algorithm>
#include <array>

namespace tq {

using namespace documentlines;

namespace {

constexpr double heavyPen = 30;
constexpr double lightPen = 15;
constexpr double ruleInset = 10; // rules and frame lines keep this far from the page's sides
constexpr double ruleGap = 10;   // the position moves down this far after a rule
constexpr double itemX = 75;
constexpr double bottomRoom = 600;       // a page is full once a row ends below H minus this
constexpr double monthlyRowsRoom = 1000; // the monthly rows need this much room on the page
constexpr double continuedTop = 100;     // where a page holding only the monthly rows starts

constexpr std::array<double, budgetMonths + 1> headingDivisors = {18,   5.57, 4,     3.15, 2.6,   2.21, 1.91,
                                                                  1.67, 1.52, 1.365, 1.25, 1.155, 1.06};
constexpr std::array<double, budgetMonths> amountDivisors = {4.3,   3.3, 2.7,   2.28,  1.97,  1.74,
                                                             1.551, 1.4, 1.275, 1.173, 1.083, 1.005};
constexpr std::array<double, budgetMonths> separatorDivisors = {6.25,  4.28,  3.3, 2.7,   2.275, 1.965,
                                                                1.735, 1.545, 1.4, 1.275, 1.172, 1.082};

const QString amountPattern = QStringLiteral("#####.00");

bool isEmptyRow(const BudgetRow &row)
{
    return std::all_of(row.begin(), row.end(), [](const QString &cell) { return cell.isEmpty(); });
}

class BudgetDocumentWriter
{
public:
    BudgetDocumentWriter(PrintDocument &doc, const BudgetDocumentSource &source,
                         const BudgetPrintOptions &options)
        : m_doc(doc), m_source(source), m_itemRules(options.gridlines == BudgetGridlines::All),
          m_frame(options.gridlines != BudgetGridlines::None), m_baseSize(doc.fontSize()),
          m_rowSize(m_baseSize - (doc.orientation() == QPageLayout::Landscape ? 2 : 4)),
          m_bold(doc.fontBold())
    {
    }

    void write()
    {
        writeHeader();
        for (const BudgetRow &row : m_source.model.sheet().rows)
            if (!isEmptyRow(row))
                writeItemRow(row);
        writeMonthlyRows();
        closePage();
        m_doc.setFontSize(m_baseSize);
        m_doc.setFontBold(m_bold);
    }

private:
    double width() const { return m_doc.pageWidth(); }
    double height() const { return m_doc.pageHeight(); }
    // Where a month's figures may go: between the lines of its column.
    double columnStart(int month) const { return width() / separatorDivisors[size_t(month)] + lightPen / 2; }
    double columnEnd(int month) const
    {
        return month + 1 < budgetMonths ? width() / separatorDivisors[size_t(month + 1)] - lightPen / 2
                                        : width() - ruleInset - heavyPen / 2;
    }
    // Four of the edges fall on their column's right-hand line; a figure there
    // stops at the line instead of running into it.
    double amountEdge(int month) const
    {
        return std::min(width() / amountDivisors[size_t(month)], columnEnd(month));
    }
    double rowHeight() const { return m_doc.lineHeight() + (m_itemRules ? ruleGap : 0); }

    void rule(double pen)
    {
        m_doc.setLineWidth(pen);
        m_doc.drawLine(ruleInset, m_doc.currentY(), width() - ruleInset, m_doc.currentY());
    }
    void frameRule(double pen)
    {
        if (!m_frame)
            return;
        rule(pen);
        m_doc.setCurrentY(m_doc.currentY() + ruleGap);
    }

    void writeHeader()
    {
        m_doc.setFontSize(m_baseSize);
        skipLine(m_doc);
        m_doc.setFontBold(true);
        const QString title = QStringLiteral(" Home Budget For ") + QString::number(m_source.year);
        writeCentred(m_doc, m_source.familyName.isEmpty() ? title : m_source.familyName + title, width() / 2);
        m_doc.setFontBold(false);
        m_doc.setFontSize(m_baseSize - 6);
        m_dateLine = printedLine(m_source.printed, m_doc.page() > 1);
        writeCentred(m_doc, m_dateLine, width() / 2);
        m_doc.setCurrentY(m_doc.currentY() + 100);
        m_tableTop = m_doc.currentY();
        frameRule(heavyPen);
        writeHeadings();
        frameRule(heavyPen);
        m_doc.setFontSize(m_rowSize);
        m_rowsTop = m_doc.currentY();
    }

    void writeHeadings()
    {
        static const QStringList headings = QStringList{QStringLiteral("Item")} + monthNames();
        m_doc.setFontSize(m_baseSize);
        const double y = m_doc.currentY();
        for (qsizetype i = 0; i < headings.size(); ++i) {
            m_doc.setCurrentY(y);
            writeAt(m_doc, headings[i], width() / headingDivisors[size_t(i)]);
        }
    }

    // One line: the caption at the left, the twelve figures at the month edges.
    void writeRow(const QString &caption, const std::array<QString, budgetMonths> &figures)
    {
        const double y = m_doc.currentY();
        writeAt(m_doc, caption, itemX);
        for (int m = 0; m < budgetMonths; ++m)
            if (!figures[size_t(m)].isEmpty())
                writeFigure(figures[size_t(m)], m, y);
        m_doc.setCurrentY(y + m_doc.lineHeight());
    }

    // A figure wider than its column (-99999.00 in the narrow March column)
    // prints smaller rather than across the column's lines.
    void writeFigure(const QString &figure, int month, double y)
    {
        const double size = m_doc.fontSize();
        const double room = amountEdge(month) - columnStart(month);
        while (m_doc.textWidth(figure) > room && m_doc.fontSize() > 1)
            m_doc.setFontSize(m_doc.fontSize() - 0.5);
        writeRightAligned(m_doc, figure, amountEdge(month), y);
        m_doc.setFontSize(size);
    }

    void writeItemRow(const BudgetRow &row)
    {
        if (m_doc.currentY() + rowHeight() > height() && m_doc.currentY() > m_rowsTop)
            breakPage();
        std::array<QString, budgetMonths> amounts;
        for (int m = 0; m < budgetMonths; ++m)
            amounts[size_t(m)] = formatText(row[size_t(m + 1)], amountPattern);
        writeRow(row[0], amounts);
        if (m_itemRules) {
            rule(lightPen);
            m_doc.setCurrentY(m_doc.currentY() + ruleGap);
        }
        if (m_doc.currentY() > height() - bottomRoom)
            breakPage();
    }

    void breakPage()
    {
        closePage();
        m_doc.newPage();
        writeHeader();
    }

    void writeMonthlyRows()
    {
        frameRule(heavyPen);
        const double needed = 3 * (m_doc.lineHeight() + ruleGap);
        if (m_doc.currentY() > height() - monthlyRowsRoom || m_doc.currentY() + needed > height())
            startMonthlyPage();
        const QStringList &captions = figureCaptions();
        for (int r = 0; r < 3; ++r) {
            std::array<QString, budgetMonths> figures;
            for (int m = 0; m < budgetMonths; ++m)
                figures[size_t(m)] = monthFigure(m, r);
            writeRow(captions[r], figures);
            if (m_frame)
                rule(r == 2 ? heavyPen : lightPen);
            m_doc.setCurrentY(m_doc.currentY() + ruleGap);
        }
    }

    // The rows' figures as the window shows them; only the income caption is
    // a typed text that still needs the pattern.
    QString monthFigure(int month, int row) const
    {
        const MonthTexts f = m_source.model.monthTexts(month);
        return row == 0 ? f.expenses : row == 1 ? formatText(f.income, amountPattern) : f.balance;
    }

    // The monthly rows alone on a new page: no header, only the date line.
    void startMonthlyPage()
    {
        closePage();
        m_doc.newPage();
        m_doc.setCurrentY(continuedTop);
        m_doc.setFontSize(m_rowSize - 4);
        writeAt(m_doc, m_dateLine, itemX);
        m_doc.setFontSize(m_rowSize);
        skipLine(m_doc);
        m_tableTop = m_doc.currentY();
        rule(heavyPen);
    }

    void closePage()
    {
        if (!m_frame)
            return;
        const double bottom = m_doc.currentY() - ruleGap;
        m_doc.drawLine(ruleInset, m_tableTop, ruleInset, bottom);
        m_doc.setLineWidth(lightPen);
        for (const double d : separatorDivisors)
            m_doc.drawLine(width() / d, m_tableTop, width() / d, bottom);
        m_doc.setLineWidth(heavyPen);
        m_doc.drawLine(width() - ruleInset, m_tableTop, width() - ruleInset, bottom);
    }

    PrintDocument &m_doc;
    const BudgetDocumentSource &m_source;
    const bool m_itemRules;
    const bool m_frame;
    const double m_baseSize;
    const double m_rowSize;
    const bool m_bold;
    QString m_dateLine;
    double m_tableTop = 0;
    double m_rowsTop = 0;
};

} // namespace

BudgetPrintOptions BudgetPrintOptions::fromOption(int index)
{
    if (index == int(BudgetGridlines::NoItemLines) || index == int(BudgetGridlines::None))
        return {BudgetGridlines(index)};
    return {};
}

void writeBudgetDocument(PrintDocument &doc, const BudgetDocumentSource &source,
                         const BudgetPrintOptions &options)
{
    BudgetDocumentWriter(doc, source, options).write();
}

QString budgetPrintFont(const QString &gridFontName, const QString &screenFontName)
{
    const QString name = gridFontName.trimmed();
    for (const QString &screenFont :
         {screenFontName.trimmed(), QStringLiteral("MS Sans Serif"), QStringLiteral("MS Serif")})
        if (name.compare(screenFont, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Times New Roman");
    return name.isEmpty() ? QStringLiteral("Times New Roman") : name;
}

} // namespace tq

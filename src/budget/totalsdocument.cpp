#include "budget/budgetdocument.h"
#include "budget/documentlines.h"
#include "common/numberformat.h"
#include "components/printdocument.h"

namespace tq {

using namespace documentlines;

namespace {

constexpr double rulePen = 30;
constexpr double ruleGap = 10;
constexpr double bottomRoom = 400; // a page is full once a row ends at H minus this

const QString amountPattern = QStringLiteral("$##,###,###");

class TotalsDocumentWriter
{
public:
    TotalsDocumentWriter(PrintDocument &doc, const TotalsDocumentSource &source)
        : m_doc(doc), m_source(source), m_baseSize(doc.fontSize())
    {
    }

    void write()
    {
        m_doc.setLineWidth(rulePen);
        writeHeader();
        skipLine(m_doc);
        for (const ItemTotal &item : m_source.totals.items()) {
            writeRow(item.name, item.total ? amount(*item.total) : QString(),
                     item.total ? percentText(item.share) : QString());
            if (m_doc.currentY() >= height() - bottomRoom)
                breakPage();
        }
        writeTotals();
        keepOnPage(2 * m_doc.lineHeight());
        skipLine(m_doc);
        writeAt(m_doc, QStringLiteral("Percentage ") + YearTotals::basisText(m_source.totals.basis()),
                left());
        m_doc.setFontSize(m_baseSize);
    }

private:
    double width() const { return m_doc.pageWidth(); }
    double height() const { return m_doc.pageHeight(); }
    double left() const { return width() / 8; }

    void writeHeader()
    {
        m_doc.setFontSize(m_baseSize);
        skipLine(m_doc);
        writeCentred(m_doc, QStringLiteral("BUDGET TOTALS FOR ") + m_source.yearText.trimmed(), width() / 2);
        m_doc.setFontSize(m_baseSize - 4);
        writeCentred(m_doc, printedLine(m_source.printed, m_doc.page() > 1), width() / 2);
        m_doc.setFontSize(m_baseSize - 2);
        skipLine(m_doc);
        const double y = m_doc.currentY();
        writeCentred(m_doc, QStringLiteral("Item"), width() / 5);
        m_doc.setCurrentY(y);
        writeCentred(m_doc, QStringLiteral("Total"), width() / 2);
        m_doc.setCurrentY(y);
        writeCentred(m_doc, QStringLiteral("Percentage"), width() / 1.3);
        m_rowsTop = m_doc.currentY();
    }

    void breakPage()
    {
        m_doc.newPage();
        writeHeader();
    }

    // A row that would run off the paper goes to the next page whole.
    void keepOnPage(double rowHeight)
    {
        if (m_doc.currentY() + rowHeight > height() && m_doc.currentY() > m_rowsTop)
            breakPage();
    }

    static QString amount(double value) { return formatPattern(value, amountPattern); }

    void writeRow(const QString &name, const QString &total, const QString &percent)
    {
        keepOnPage(m_doc.lineHeight());
        const double y = m_doc.currentY();
        writeAt(m_doc, name, left());
        writeRightAligned(m_doc, total, width() / 1.88, y);
        writeRightAligned(m_doc, percent, width() / 1.24, y);
    }

    void rule() { m_doc.drawLine(left(), m_doc.currentY(), width() / 1.23, m_doc.currentY()); }

    void writeTotals()
    {
        const YearFigures &f = m_source.totals.figures();
        const QStringList &captions = figureCaptions();
        const QStringList amounts = {amount(f.expenses), amount(f.income), amount(f.balance)};
        // Before a complete fill the panel shows 0 for the shares.
        const QStringList percents = {percentText(f.expensesShare),
                                      m_source.totals.showsIncomeShare() ? percentText(1) : QString(),
                                      percentText(f.balanceShare)};
        for (int i = 0; i < 3; ++i) {
            keepOnPage(ruleGap + m_doc.lineHeight());
            rule();
            m_doc.setCurrentY(m_doc.currentY() + ruleGap);
            writeRow(captions[i], amounts[i], percents[i]);
        }
        rule();
    }

    PrintDocument &m_doc;
    const TotalsDocumentSource &m_source;
    const double m_baseSize;
    double m_rowsTop = 0;
};

} // namespace

void writeTotalsDocument(PrintDocument &doc, const TotalsDocumentSource &source)
{
    TotalsDocumentWriter(doc, source).write();
}

} // namespace tq

#include "actuarial/actuarialreport.h"

#include "components/printdocument.h"
#include "frame/selectionlimits.h"

#include <QList>

namespace tq {

namespace {

// Where the k-th column's texts are centred, as a fraction of the page width.
constexpr double kColumnDivisors[maxPrintedColumns] = {6, 3.4, 2.4, 1.86, 1.5, 1.25, 1.08};
constexpr double kRateDivisor = 20;
constexpr double kPageBreakRoom = 400;
constexpr double kSentenceRoom = 500;
constexpr double kSentenceIndent = 200;

class ReportWriter
{
public:
    ReportWriter(PrintDocument &doc, const ValueBlock &block) : m_doc(doc), m_block(block) {}

    void write()
    {
        m_doc.setCurrentY(200);
        m_doc.paragraph(QStringLiteral(" Amount or Annuity = ") + m_block.amount);
        m_doc.paragraph(QStringLiteral(" No. of Payments Per Year = ") + m_block.payments);
        m_doc.paragraph(QString());
        m_doc.setFontSize(std::max(1.0, m_doc.fontSize() - 2));
        if (m_doc.linesFit(2))
            writeHeadings();
        else
            startNextPage(); // a large summary leaves no room for the table
        writeRows();
        writeSentence();
    }

private:
    double columnCentre(int col) const
    {
        return m_doc.pageWidth() / kColumnDivisors[col - m_block.block.left];
    }
    double rateCentre() const { return m_doc.pageWidth() / kRateDivisor; }

    void writeHeadings()
    {
        QList<CentredText> line{{QStringLiteral("Interest"), rateCentre()}};
        for (int col = m_block.block.left; col <= m_block.block.right; ++col) {
            const int year = m_block.year(col);
            const QString unit = year == 1 ? QStringLiteral(" Year") : QStringLiteral(" Years");
            line.append({u' ' + QString::number(year) + unit, columnCentre(col)});
        }
        m_doc.centredLine(line);
    }

    void writeRows()
    {
        bool freshPage = false; // a page that holds only its headings takes the row whatever its size
        for (int row = m_block.block.top; row <= m_block.block.bottom && !m_block.isBlankRow(row); ++row) {
            // A large font fills the page before the fixed mark is passed.
            if (!freshPage && !m_doc.linesFit())
                startNextPage();
            QList<CentredText> line{{m_block.rateLabel(row).trimmed(), rateCentre()}};
            for (int col = m_block.block.left; col <= m_block.block.right; ++col)
                line.append({m_block.cell(row, col).trimmed(), columnCentre(col)});
            m_doc.centredLine(line);
            freshPage = m_doc.currentY() > m_doc.pageHeight() - kPageBreakRoom;
            if (freshPage)
                startNextPage();
        }
    }

    void startNextPage()
    {
        m_doc.newPage();
        m_doc.paragraph(QString());
        m_doc.paragraph(QStringLiteral("Page Number ") + QString::number(m_doc.page()));
        m_doc.paragraph(QString());
        writeHeadings();
    }

    void writeSentence()
    {
        if (m_doc.currentY() >= m_doc.pageHeight() - kSentenceRoom)
            return;
        m_doc.paragraph(QString());
        m_doc.setIndentLeft(kSentenceIndent);
        m_doc.setIndentRight(kSentenceIndent);
        // Only whole, on the last page: a sentence split by a page break
        // would open a page without its headings.
        if (m_doc.paragraphFits(m_block.sentence))
            m_doc.paragraph(m_block.sentence);
        m_doc.setIndentLeft(0);
        m_doc.setIndentRight(0);
    }

    PrintDocument &m_doc;
    const ValueBlock &m_block;
};

} // namespace

void buildActuarialReport(PrintDocument &doc, const ValueBlock &block)
{
    GridBlock printed = block.block;
    limitPrintedColumns(printed); // a caller that did not cut the block still gets seven columns
    ValueBlock cut = block;
    cut.block = printed;
    ReportWriter(doc, cut).write();
}

} // namespace tq

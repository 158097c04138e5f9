#include "actuarial/actuarialreport.h"

#include "components/printdocument.h"
#include "frame/selectionlimits.h"

#include <QList>
#include <utility>

namespace tq {

namespace {

// Where the k-th column's texts are centred, as a fraction of the page width.
constexpr double kColumnDivisors[maxPrintedColumns] = {6, 3.4, 2.4, 1.86, 1.5, 1.25, 1.08};
constexpr double kRateDivisor = 20;
constexpr double kPageBreakRoom = 400;
constexpr double kSentenceRoom = 500;
constexpr double kSentenceIndent = 200;

using CentredText = std::pair<QString, double>; // text, centre in twips

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
        writeHeadings();
        writeRows();
        writeSentence();
    }

private:
    double columnCentre(int col) const
    {
        return m_doc.pageWidth() / kColumnDivisors[col - m_block.block.left];
    }
    double rateCentre() const { return m_doc.pageWidth() / kRateDivisor; }

    // Several texts on one line, each centred on its own point.
    void writeLine(const QList<CentredText> &texts)
    {
        double y = m_doc.currentY();
        bool first = true;
        for (const auto &[text, centre] : texts) {
            m_doc.setCurrentY(y);
            m_doc.setCurrentX(centre - m_doc.textWidth(text) / 2);
            m_doc.paragraph(text);
            if (first) // a large font may have carried the first text onto a new page
                y = m_doc.currentY() - m_doc.lineHeight();
            first = false;
        }
    }

    void writeHeadings()
    {
        QList<CentredText> line{{QStringLiteral("Interest"), rateCentre()}};
        for (int col = m_block.block.left; col <= m_block.block.right; ++col) {
            const int year = m_block.year(col);
            const QString unit = year == 1 ? QStringLiteral(" Year") : QStringLiteral(" Years");
            line.append({u' ' + QString::number(year) + unit, columnCentre(col)});
        }
        writeLine(line);
    }

    void writeRows()
    {
        for (int row = m_block.block.top; row <= m_block.block.bottom && !m_block.isBlankRow(row); ++row) {
            QList<CentredText> line{{m_block.rateLabel(row).trimmed(), rateCentre()}};
            for (int col = m_block.block.left; col <= m_block.block.right; ++col)
                line.append({m_block.cell(row, col).trimmed(), columnCentre(col)});
            writeLine(line);
            if (m_doc.currentY() > m_doc.pageHeight() - kPageBreakRoom)
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

#include "actuarial/actuarialcopy.h"

#include <QStringBuilder>

namespace tq {

namespace {

const QString crlf = QStringLiteral("\r\n");
const QChar tab = u'\t';
constexpr qsizetype kMaxHeadingLength = 256;

// Small figures sit close enough to their headings without padding; large
// ones need the heading widened to the figure and a TAB so columns line up.
TextWidth paddingWidth(float corner, const CopyWidths &widths)
{
    if (corner <= 99)
        return {};
    if (corner < 1000)
        return widths.printer;
    return widths.window; // also a corner that overflowed
}

QString headingLine(const ValueBlock &b, const CopyWidths &widths)
{
    const auto width = paddingWidth(b.cornerValue, widths);
    const QString reference = b.cell(b.block.bottom, b.block.right);
    QString line(tab);
    for (int col = b.block.left; col <= b.block.right; ++col) {
        QString label = QString::number(b.year(col)) + QStringLiteral(" Years  ");
        if (!width) {
            line += label;
            continue;
        }
        line += padToWidth(label, width(reference), width, kMaxHeadingLength - label.size()) + tab;
    }
    return line + crlf;
}

} // namespace

QString actuarialCopyText(const ValueBlock &b, const CopyWidths &widths)
{
    QString text = QStringLiteral("Amount or Annuity: ") % b.amount % crlf % crlf %
                   QStringLiteral("No. Payments per Year: ") % b.payments % crlf % crlf;
    text += headingLine(b, widths);
    for (int row = b.block.top; row <= b.block.bottom && !b.isBlankRow(row); ++row) {
        text += b.rateLabel(row) + tab;
        for (int col = b.block.left; col <= b.block.right; ++col)
            text += b.cell(row, col) + (col < b.block.right ? QString(tab) : crlf);
    }
    return text + crlf + crlf + b.sentence;
}

} // namespace tq

#include "budgetengine/entryrules.h"

#include "common/numberformat.h"
#include "common/windows1252.h"

namespace tq::entry {

namespace {

const QString invalidCellTitle = QStringLiteral("Invalid Cell Entry");
const QString maximumTitle = QStringLiteral("Maximum Allowed Entry Exceeded");

// Above the cell limit once shown with two decimals (9999.996 shows 10000.00).
bool exceedsCell(double value)
{
    return roundHalfAway(value, 2) > cellLimit;
}

// The grid's editor and the edit box share it: a cell holds only amounts above
// 0 and at most the cell limit, whichever box they were typed into.
CellEntry enterAmount(double value)
{
    if (!(value > 0))
        return {QString(), notANumberNotice()};
    if (exceedsCell(value))
        return {formatAmount(cellLimit), cellLimitNotice()};
    return {formatAmount(value), std::nullopt};
}

} // namespace

Notice notANumberNotice()
{
    return {invalidCellTitle, QStringLiteral("Cell entries must be numbers only!")};
}

Notice cellLimitNotice()
{
    return {invalidCellTitle, QStringLiteral("Cell entries are limited to 9,999.99!")};
}

Notice incomeLimitNotice()
{
    return {maximumTitle, QStringLiteral("Due to printer size requirements needed to print this budget, "
                                         "the Total Income Amount Cannot exceed 99999.99")};
}

Notice expenseCapNotice()
{
    return {maximumTitle, QStringLiteral("Due to printer size requirements needed to print this budget, "
                                         "the Total of Bills Amount Cannot exceed 99999")};
}

bool isRefused(QChar ch)
{
    return ch == u'"' || !isWindows1252(ch);
}

QString withoutRefused(const QString &text)
{
    QString out = text;
    out.removeIf(isRefused);
    return out;
}

QString formatAmount(double value)
{
    return formatPattern(value, u"####.00");
}

QString formatMonthFigure(double value)
{
    return formatPattern(value, u"#####.00");
}

std::optional<double> amountValue(const QString &text)
{
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return strictNumber(text);
    QString plain = text;
    plain.remove(comma, 1);
    return strictNumber(plain);
}

CellEntry enterCell(int column, const QString &typed)
{
    if (column == 0)
        return {withoutRefused(typed).left(maxNameLength), std::nullopt};
    return enterAmount(leadingNumber(typed));
}

EditBoxEntry enterEditBox(int column, const QString &text)
{
    EditBoxEntry e;
    e.boxText = withoutRefused(text).left(maxNameLength);
    const qsizetype comma = e.boxText.indexOf(u',');
    if (comma >= 0)
        e.boxText.truncate(comma);
    e.boxCut = e.boxText != text;
    if (column == 0) {
        e.cellText = e.boxText;
        return e;
    }
    if (exceedsCell(leadingNumber(e.boxText))) {
        e.boxText = formatAmount(cellLimit);
        e.beep = true;
    }
    const auto number = strictNumber(e.boxText);
    // Notices wait for the grid's editor: the box changes the cell on every keystroke.
    e.cellText = number ? enterAmount(*number).text : e.boxText;
    return e;
}

IncomeEntry enterIncome(const QString &answer)
{
    QString text = withoutRefused(answer);
    if (text.isEmpty())
        return {};
    IncomeEntry e;
    if (leadingNumber(text) > incomeLimit) {
        e.notice = incomeLimitNotice();
        text = formatMonthFigure(incomeLimit);
    }
    const auto number = strictNumber(text);
    e.caption = number ? formatMonthFigure(*number) : text;
    return e;
}

} // namespace tq::entry

#include "budgetengine/budgettext.h"

#include "budgetengine/budgetmodel.h"
#include "budgetengine/yearfile.h"
#include "common/safefile.h"
#include "common/windows1252.h"

#include <QStringList>

namespace tq::budgettext {

namespace {

constexpr int exportCheckedRows = 20;

QString monthlyLine(const QString &caption, const BudgetModel &model, QString MonthTexts::*figure)
{
    QString line = caption;
    for (int m = 0; m < budgetMonths; ++m)
        line += u'\t' + model.monthTexts(m).*figure;
    return line + QLatin1String("\r\n");
}

} // namespace

QString clipboardText(const BudgetModel &model, int year, const TextWidth &widthOf)
{
    QString text = QString::number(year) + QLatin1String(" Budget\r\n\r\n");
    text += QString(8, u' ') + QLatin1String("Item") + QString(20, u' ') + monthNames().join(u'\t') + u'\r';
    for (const BudgetRow &row : model.sheet().rows) {
        if (row[0].isEmpty())
            continue;
        text += padToWidth(row[0], itemWidthPixels, widthOf, itemWidthPixels) + u'\t';
        for (int m = 0; m < budgetMonths; ++m)
            text += row[size_t(BudgetModel::columnOfMonth(m))] + (m + 1 < budgetMonths ? u'\t' : u'\r');
    }
    text += monthlyLine(QStringLiteral("Total Expenses:"), model, &MonthTexts::expenses);
    text += monthlyLine(QStringLiteral("Total Income:      "), model, &MonthTexts::income);
    text += monthlyLine(QStringLiteral("Balance:          "), model, &MonthTexts::balance);
    return text;
}

Notice copiedNotice()
{
    return {QStringLiteral("Copy Option"),
            QStringLiteral("Current Budget has been copied to the Windows Clipboard.")};
}

bool canCopy(const BudgetSheet &sheet)
{
    return !sheet.rows.front()[0].isEmpty();
}

bool canExport(const BudgetSheet &sheet)
{
    for (int r = 0; r < exportCheckedRows; ++r)
        if (!sheet.rows[size_t(r)][0].trimmed().isEmpty())
            return true;
    return false;
}

UtilitiesMenu utilitiesMenu(const QDir &folder, int year, const BudgetSheet &sheet)
{
    return {yearfile::hasSavedFile(folder, year), canExport(sheet), true};
}

QString exportTitle()
{
    return QStringLiteral("Export File in Excel/Spreadsheet Format");
}

QString suggestedExportName(int year)
{
    return QStringLiteral("Budget%1.xls").arg(year);
}

QString exportPrompt(const QDir &programFolder)
{
    return QStringLiteral(
               "A non-formatted Spreadsheet File without Totals will be saved in the program folder:  \r\r") +
           QDir::toNativeSeparators(programFolder.absolutePath()) +
           QStringLiteral("\r\rwith the following name.\r\rNote: If File already exists it will be replaced "
                          "with this file!\r");
}

std::optional<QString> exportPath(const QDir &programFolder, const QString &typed)
{
    const QString name = typed.trimmed();
    if (name.isEmpty())
        return std::nullopt;
    return programFolder.filePath(name);
}

QByteArray exportBytes(const BudgetSheet &sheet)
{
    QString text = QLatin1String("\tItem\t") + monthNames().join(u'\t') + QLatin1String("\r\n");
    for (const BudgetRow &row : sheet.rows) {
        QStringList cells{QString()};
        for (const QString &cell : row)
            cells.append(cell);
        text += cells.join(u'\t') + QLatin1String("\r\n");
    }
    return encodeWindows1252(text);
}

std::optional<Notice> exportTo(const QString &path, const BudgetSheet &sheet)
{
    if (writeFileAtomically(path, exportBytes(sheet)))
        return std::nullopt;
    return Notice{exportTitle(),
                  QStringLiteral("The Spreadsheet File could not be saved:\r\r") + path +
                      QStringLiteral("\r\rAn earlier file of that name has not been changed.")};
}

} // namespace tq::budgettext

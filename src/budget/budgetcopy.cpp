#include "budget/budgetcopy.h"

#include "budgetengine/budgetmodel.h"
#include "budgetengine/budgettext.h"
#include "components/program.h"

#include <QFontMetrics>
#include <QWidget>

namespace tq {

void copyBudgetToClipboard(Program &program, QWidget *window, const BudgetModel &model, int year)
{
    {
        const BusyPointer busy(program.platform);
        const QFontMetrics metrics(window->font());
        program.platform.setClipboardText(budgettext::clipboardText(
            model, year, [&metrics](const QString &text) { return metrics.horizontalAdvance(text); }));
    }
    const Notice notice = budgettext::copiedNotice();
    program.prompter.inform(window, notice.title, notice.text);
}

bool exportBudget(Program &program, QWidget *window, const BudgetSheet &sheet, int year)
{
    const QString typed =
        program.prompter.input(window, budgettext::exportTitle(), budgettext::exportPrompt(program.folder),
                               budgettext::suggestedExportName(year));
    const std::optional<QString> path = budgettext::exportPath(program.folder, typed);
    if (!path)
        return false;
    std::optional<Notice> failure;
    {
        const BusyPointer busy(program.platform);
        failure = budgettext::exportTo(*path, sheet);
    }
    if (failure)
        program.prompter.message(
            window, {failure->title, failure->text, Icon::Critical, int(Button::Ok), Button::Ok});
    return !failure;
}

} // namespace tq

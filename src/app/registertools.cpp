#include "app/registertools.h"

#include "actuarial/actua1.h"
#include "app/toolopener.h"
#include "budget/budget1.h"
#include "homecalc/homecalc.h"
#include "loan/loansheet.h"
#include "scicalc/scicalc.h"

namespace tq {

namespace {

template <typename Window> ToolOpener::Factory windowFactory()
{
    return [](Program &program, QWidget *launcher) -> QWidget * { return new Window(program, launcher); };
}

} // namespace

void registerTools(ToolOpener &opener)
{
    opener.registerTool(ToolId::HomeCalc, windowFactory<HomeCalc>());
    opener.registerTool(ToolId::Loan, windowFactory<LoanSheet>());
    opener.registerTool(ToolId::Actuarial, windowFactory<Actua1>());
    opener.registerTool(ToolId::SciCalc, windowFactory<SciCalc>());
    opener.registerTool(ToolId::Budget, windowFactory<Budget1>());
}

} // namespace tq

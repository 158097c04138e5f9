#include "app/registertools.h"

#include "app/toolopener.h"

// Each tool library defines TQ_HAVE_<TOOL> for this file once it exists (see
// CMakeLists.txt); a new tool adds its include and one registration line.
#ifdef TQ_HAVE_HOMECALC
#include "homecalc/homecalc.h"
#endif
#ifdef TQ_HAVE_LOAN
#include "loan/loansheet.h"
#endif
#ifdef TQ_HAVE_ACTUARIAL
#include "actuarial/actua1.h"
#endif
#ifdef TQ_HAVE_SCICALC
#include "scicalc/scicalc.h"
#endif
#ifdef TQ_HAVE_BUDGET
#include "budget/budget1.h"
#endif

namespace tq {

namespace {

template <typename Window>
ToolOpener::Factory windowFactory()
{
    return [](Program &program, QWidget *launcher) -> QWidget * { return new Window(program, launcher); };
}

} // namespace

void registerTools([[maybe_unused]] ToolOpener &opener)
{
#ifdef TQ_HAVE_HOMECALC
    opener.registerTool(ToolId::HomeCalc, windowFactory<HomeCalc>());
#endif
#ifdef TQ_HAVE_LOAN
    opener.registerTool(ToolId::Loan, windowFactory<LoanSheet>());
#endif
#ifdef TQ_HAVE_ACTUARIAL
    opener.registerTool(ToolId::Actuarial, windowFactory<Actua1>());
#endif
#ifdef TQ_HAVE_SCICALC
    opener.registerTool(ToolId::SciCalc, windowFactory<SciCalc>());
#endif
#ifdef TQ_HAVE_BUDGET
    opener.registerTool(ToolId::Budget, windowFactory<Budget1>());
#endif
}

} // namespace tq

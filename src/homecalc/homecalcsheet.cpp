#include "homecalc/homecalcsheet.h"

#include "common/numberformat.h"

namespace tq {

HomeCalcResultTexts resultTexts(const HomeCalcSheet &sheet)
{
    HomeCalcResultTexts t;
    if (sheet.limitingFactor)
        t.limitingFactor = limitingFactorText(*sheet.limitingFactor);
    if (!sheet.result)
        return t;
    const AffordabilityResult &r = *sheet.result;
    t.home = formatCurrency(r.purchase.home);
    t.payment = formatCurrency(r.payment);
    t.loan = formatCurrency(r.purchase.loan);
    t.downPayment = formatCurrency(r.purchase.downPayment);
    t.closingCosts = formatCurrency(r.purchase.closingCosts);
    t.percent = formatPercent(r.downPaymentRatio);
    return t;
}

} // namespace tq

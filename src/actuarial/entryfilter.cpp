#include "actuarial/entryfilter.h"

#include "common/numberformat.h"
#include "common/typedfilter.h"

namespace tq {

EntryFilterResult filterDigitEntry(const QString &text)
{
    if (std::optional<QString> kept = refuseLastTyped(text))
        return {*std::move(kept), true};
    return {text};
}

EntryFilterResult filterCappedEntry(const QString &text)
{
    if (leadingNumber(text) > 100)
        return {QStringLiteral("100"), text != u"100", true};
    return filterDigitEntry(text);
}

} // namespace tq

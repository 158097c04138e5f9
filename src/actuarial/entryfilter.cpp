#include "actuarial/entryfilter.h"

#include "common/numberformat.h"

namespace tq {

EntryFilterResult filterDigitEntry(const QString &text)
{
    EntryFilterResult r{text};
    // Only the last character is examined: each change adds at most one.
    if (!text.isEmpty() && !(text.back() >= u'0' && text.back() <= u'9')) {
        r.text.chop(1);
        r.changed = true;
    }
    return r;
}

EntryFilterResult filterCappedEntry(const QString &text)
{
    if (leadingNumber(text) > 100)
        return {QStringLiteral("100"), text != u"100", true};
    return filterDigitEntry(text);
}

} // namespace tq

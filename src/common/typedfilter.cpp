#include "common/typedfilter.h"

namespace tq {

bool isDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

std::optional<QString> refuseLastTyped(const QString &text, bool (*allowed)(QChar))
{
    if (text.isEmpty() || allowed(text.back()))
        return std::nullopt;
    return text.chopped(1);
}

} // namespace tq

// Any text through the number readers, and any double through every
// formatter: nothing may crash, and no formatter may print "nan" or "inf".
#include "common/numberformat.h"
#include "common/wholenumber.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(const QString &text)
{
    if (text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
        text.contains(QLatin1String("inf"), Qt::CaseInsensitive))
        std::abort();
}

void formatAll(double value)
{
    for (const char16_t *pattern : {u"$##,###,###", u"####.00", u"##0.00%", u"0.0", u"#", u"$#,##0.00"})
        check(tq::formatPattern(value, pattern));
    check(tq::formatCurrency(value));
    check(tq::formatPercent(value));
    check(tq::formatGeneral(value));
    tq::roundHalfAway(value, 2);
    tq::truncatedInt(value);
    tq::roundedInt(value);
    tq::wholeIntIn(value, -100, 100);
    tq::storedColourNumber(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    formatAll(tq::leadingNumber(text));
    if (const auto strict = tq::strictNumber(text))
        formatAll(*strict);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        formatAll(raw);
    }
    return 0;
}

#include "common/numberformat.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace tq {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Length of the numeric prefix starting at pos, or 0 when there is none.
qsizetype numericPrefix(QStringView t, qsizetype pos)
{
    qsizetype i = pos;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < t.size() && isDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == u'.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < t.size() && (t[i].toUpper() == u'E' || t[i].toUpper() == u'D')) {
        qsizetype e = i + 1;
        if (e < t.size() && (t[e] == u'+' || t[e] == u'-'))
            ++e;
        qsizetype expDigits = 0;
        while (e < t.size() && isDigit(t[e])) {
            ++e;
            ++expDigits;
        }
        if (expDigits > 0)
            i = e;
    }
    return i - pos;
}

// `numeric` is a whole prefix as numericPrefix found it, so plain ASCII:
// read with from_chars, as QString::toDouble cost more than the rest of
// loading a year file.
double toDouble(QStringView numeric)
{
    std::string s;
    s.reserve(size_t(numeric.size()));
    for (const QChar c : numeric)
        s += c == u'd' || c == u'D' ? 'e' : char(c.unicode());
    const char *first = s.data() + (s.starts_with('+') ? 1 : 0);
    const char *last = s.data() + s.size();
    double v = 0;
    const auto [end, error] = std::from_chars(first, last, v);
    return error == std::errc() && end == last && std::isfinite(v) ? v : 0.0;
}

// Decimal digits of |value| rounded half away from zero at `decimals` places,
// from its 15 significant digits. Kept in plain chars: every figure a table
// shows passes through here, and QString work dominated the cost.
struct RawDigits {
    std::string integer;  // no leading zeros; empty for 0
    std::string fraction; // exactly `decimals` digits
};

RawDigits rawDecimalDigits(double value, int decimals)
{
    char buf[40];
    // Exact like printf's "%.14e", without its locale and format parsing.
    const auto end =
        std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value), std::chars_format::scientific, 14).ptr;
    *end = '\0';
    // buf = "d.dddddddddddddde+XX"
    std::string all;
    all.reserve(32);
    const char *p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            all += *p;
    const int exponent = std::atoi(p + 1);
    int intLen = exponent + 1; // digits before the decimal point
    if (intLen <= 0) {
        all.insert(0, size_t(1 - intLen), '0');
        intLen = 1;
    }
    const size_t keep = size_t(intLen + std::max(0, decimals));
    if (all.size() < keep + 1)
        all.append(keep + 1 - all.size(), '0');
    const bool roundUp = all[keep] >= '5';
    std::string kept = all.substr(0, keep);
    if (roundUp) {
        int i = int(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[size_t(i)] == '9') {
                kept[size_t(i)] = '0';
            } else {
                ++kept[size_t(i)];
                break;
            }
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            ++intLen;
        }
    }
    RawDigits d;
    const size_t leadingZeros = std::min(kept.find_first_not_of('0'), size_t(intLen));
    d.integer = kept.substr(leadingZeros, size_t(intLen) - leadingZeros);
    d.fraction = kept.substr(size_t(intLen));
    return d;
}

struct Digits {
    QString integer;  // no leading zeros; empty for 0
    QString fraction; // exactly `decimals` digits
};

Digits decimalDigits(double value, int decimals)
{
    const RawDigits raw = rawDecimalDigits(value, decimals);
    return {QString::fromLatin1(raw.integer), QString::fromLatin1(raw.fraction)};
}

QString grouped(const QString &digits, QChar separator)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

} // namespace

double leadingNumber(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t'))
        ++pos;
    const qsizetype len = numericPrefix(text, pos);
    return len ? toDouble(text.mid(pos, len)) : 0.0;
}

std::optional<double> strictNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    const qsizetype len = numericPrefix(t, 0);
    if (len != t.size())
        return std::nullopt;
    return toDouble(t);
}

double roundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const RawDigits d = rawDecimalDigits(value, decimals);
    const std::string text = (d.integer.empty() ? std::string("0") : d.integer) + '.' + d.fraction;
    double magnitude = 0;
    // Rounding the last of 15 digits up can step past the largest double; at
    // such sizes there are no decimals left to round anyway.
    if (std::from_chars(text.data(), text.data() + text.size(), magnitude).ec != std::errc())
        return value;
    return value < 0 ? -magnitude : magnitude;
}

QString formatPattern(double value, QStringView pattern)
{
    auto isPlaceholder = [](QChar c) { return c == u'#' || c == u'0'; };
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (isPlaceholder(pattern[i])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return pattern.toString();
    // Grouping commas and the point sit inside the placeholder run.
    while (last + 1 < pattern.size() && pattern[last + 1] == u'.')
        ++last;
    const QStringView prefix = pattern.left(first);
    const QStringView body = pattern.mid(first, last - first + 1);
    const QStringView suffix = pattern.mid(last + 1);

    if (pattern.contains(u'%'))
        value *= 100.0;
    const qsizetype point = body.indexOf(u'.');
    const QStringView intPart = point < 0 ? body : body.left(point);
    const QStringView fracPart = point < 0 ? QStringView() : body.mid(point + 1);
    const int requiredInt = int(intPart.count(u'0'));
    const int requiredFrac = int(fracPart.count(u'0'));
    const int maxFrac = int(fracPart.count(u'0') + fracPart.count(u'#'));
    const bool grouping = intPart.contains(u',');

    if (!std::isfinite(value))
        return overflowText();
    Digits d = decimalDigits(value, maxFrac);
    while (d.fraction.size() > requiredFrac && d.fraction.endsWith(u'0'))
        d.fraction.chop(1);
    QString integer = d.integer;
    if (integer.size() < requiredInt)
        integer.prepend(QString(requiredInt - integer.size(), u'0'));
    if (grouping)
        integer = grouped(integer, u',');

    QString out = prefix.toString() + integer;
    if (point >= 0)
        out += u'.' + d.fraction;
    out += suffix;
    const bool isZero =
        d.integer.isEmpty() && !d.fraction.contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (value < 0 && !isZero)
        out.prepend(u'-');
    return out;
}

QString largestAmountText()
{
    return formatPattern(largestAmount, u"###,###,###,##0");
}

QString overflowText()
{
    return QStringLiteral("Overflow");
}

QString formatCurrency(double value)
{
    if (!std::isfinite(value))
        return overflowText();
    const double rounded = roundHalfAway(value, 2);
    const QLocale locale;
    const QString text = locale.toCurrencyString(std::fabs(rounded), locale.currencySymbol(), 2);
    return rounded < 0 ? u'(' + text + u')' : text;
}

QString formatPercent(double ratio)
{
    if (!std::isfinite(ratio * 100.0))
        return overflowText();
    return QLocale().toString(roundHalfAway(ratio * 100.0, 2), 'f', 2) + u'%';
}

QString formatGeneral(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return overflowText();
    QString s = QString::number(value, 'g', 15);
    return s.toUpper();
}

} // namespace tq

#pragma once
// Entry boxes that take only some characters check just the one typed last:
// each change adds at most one character, so a pasted "1a2" passes (and
// reads as 1 with the leading-number reading).
#include <QString>
#include <optional>

namespace tq {

bool isDecimalDigit(QChar c);

// The text without its last character when `allowed` refuses that character;
// nothing when the text may stay as it is.
std::optional<QString> refuseLastTyped(const QString &text, bool (*allowed)(QChar) = isDecimalDigit);

} // namespace tq

#pragma once
// Windows-1252, the 8-bit code page of the settings and year files written by
// earlier versions. Our own table, so reading and writing do not depend on
// which codecs the Qt build carries.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tq {

// True when every character of the text has a byte in the code page.
bool isWindows1252(QStringView text);
bool isWindows1252(QChar ch);

// Characters outside the code page become '?'; `lossless` (when given) tells
// whether that happened, so callers can refuse instead of writing a changed text.
QByteArray encodeWindows1252(QStringView text, bool *lossless = nullptr);

// Every byte has a character: the five bytes the code page leaves unassigned
// map to the control characters of the same value, as Windows reads them.
QString decodeWindows1252(QByteArrayView bytes);

} // namespace tq

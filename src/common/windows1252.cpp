#include "common/windows1252.h"

#include <array>

namespace tq {

namespace {

// Characters of bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (size_t i = 0; i < highControls.size(); ++i)
        if (highControls[i] == ch)
            return int(0x80 + i);
    return -1;
}

} // namespace

bool isWindows1252(QChar ch)
{
    return byteOf(ch.unicode()) >= 0;
}

bool isWindows1252(QStringView text)
{
    for (QChar ch : text)
        if (!isWindows1252(ch))
            return false;
    return true;
}

QByteArray encodeWindows1252(QStringView text, bool *lossless)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    bool complete = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteOf(text[i].unicode());
        complete = complete && byte >= 0;
        out[i] = byte >= 0 ? char(byte) : '?';
    }
    if (lossless)
        *lossless = complete;
    return out;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *dst++ = QChar(b >= 0x80 && b < 0xA0 ? highControls[b - 0x80] : char16_t(b));
    }
    return out;
}

} // namespace tq

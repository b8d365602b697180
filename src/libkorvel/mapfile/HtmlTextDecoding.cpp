#include "mapfile/HtmlTextDecoding.h"

#include <QStringDecoder>

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LittleEndianMark("\xFF\xFE");
const QByteArray kUtf16BigEndianMark("\xFE\xFF");

bool HasUtf16Mark(const QByteArray& bytes)
{
    return bytes.startsWith(kUtf16LittleEndianMark) || bytes.startsWith(kUtf16BigEndianMark);
}

// The length of the UTF-8 sequence starting at bytes[i], or 0 when none starts there:
// no overlong forms, no surrogates, nothing past U+10FFFF.
qsizetype Utf8SequenceLength(const QByteArray& bytes, qsizetype i)
{
    const auto byteAt = [&](qsizetype k) { return k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0u; };
    const unsigned lead = byteAt(i);
    const auto continuation
        = [&](qsizetype k, unsigned low = 0x80, unsigned high = 0xBF) { return byteAt(k) >= low && byteAt(k) <= high; };
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return continuation(i + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = lead == 0xED ? 0x9F : 0xBF;
        return continuation(i + 1, low, high) && continuation(i + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        return continuation(i + 1, low, high) && continuation(i + 2) && continuation(i + 3) ? 4 : 0;
    }
    return 0;
}

bool IsValidUtf8(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = Utf8SequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

// windows-1252 differs from Latin-1 only in 0x80..0x9F; five of those bytes are unassigned
// and stand for the control character of the same number.
constexpr char16_t kWindows1252High[32] = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
    0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
    0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QByteArray Utf16AsUtf8(const QByteArray& bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding);
    const QString text = decoder.decode(bytes);
    return text.toUtf8();
}

} // namespace

bool LooksBinary(const QByteArray& bytes)
{
    return !HasUtf16Mark(bytes) && bytes.contains('\0');
}

QByteArray HtmlTextAsUtf8(const QByteArray& bytes)
{
    if (bytes.startsWith(kUtf8Mark))
        return bytes.mid(kUtf8Mark.size());
    if (bytes.startsWith(kUtf16LittleEndianMark))
        return Utf16AsUtf8(bytes.mid(kUtf16LittleEndianMark.size()), QStringConverter::Utf16LE);
    if (bytes.startsWith(kUtf16BigEndianMark))
        return Utf16AsUtf8(bytes.mid(kUtf16BigEndianMark.size()), QStringConverter::Utf16BE);
    if (IsValidUtf8(bytes))
        return bytes;
    return DecodeWindows1252(bytes).toUtf8();
}

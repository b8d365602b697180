#include "html/PageText.h"

#include <QStringDecoder>
#include <QUtf8StringView>

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LittleEndianMark("\xFF\xFE");
const QByteArray kUtf16BigEndianMark("\xFE\xFF");

// windows-1252 differs from Latin-1 only in 0x80..0x9F; five of those bytes are unassigned
// and stand for the control character of the same number.
constexpr char16_t kWindows1252High[32] = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
    0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
    0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

QByteArray windows1252AsUtf8(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : char16_t(byte));
    }
    return text.toUtf8();
}

QByteArray utf16AsUtf8(const QByteArray& bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding);
    return QString(decoder.decode(bytes.mid(2))).toUtf8();
}

} // namespace

bool looksBinary(const QByteArray& bytes)
{
    return !bytes.startsWith(kUtf16LittleEndianMark) && !bytes.startsWith(kUtf16BigEndianMark) && bytes.contains('\0');
}

QByteArray pageTextAsUtf8(const QByteArray& bytes)
{
    if (bytes.startsWith(kUtf8Mark))
        return bytes.mid(kUtf8Mark.size());
    if (bytes.startsWith(kUtf16LittleEndianMark))
        return utf16AsUtf8(bytes, QStringConverter::Utf16LE);
    if (bytes.startsWith(kUtf16BigEndianMark))
        return utf16AsUtf8(bytes, QStringConverter::Utf16BE);
    if (QUtf8StringView(bytes).isValidUtf8())
        return bytes;
    return windows1252AsUtf8(bytes);
}

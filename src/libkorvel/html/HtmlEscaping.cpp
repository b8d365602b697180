#include "html/HtmlEscaping.h"

namespace {

constexpr char16_t kReplacementCharacter = 0xFFFD;

bool isEscapedControl(char16_t c)
{
    // Tab and line feed pass through parsers unchanged; every other C0 control and DEL
    // is written as a reference so that the file stays readable text.
    return (c < 0x20 && c != u'\t' && c != u'\n') || c == 0x7F;
}

bool cannotBeCarried(char16_t c)
{
    return c == 0 || (c >= 0x80 && c <= 0x9F);
}

bool needsChange(char16_t c)
{
    return c == u'&' || c == u'"' || c == u'<' || c == u'>' || isEscapedControl(c) || cannotBeCarried(c)
        || QChar::isSurrogate(c);
}

void appendCharacter(QString& out, const QString& text, qsizetype& i)
{
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
        out += text[i];
        out += text[++i];
    } else if (QChar::isSurrogate(c) || cannotBeCarried(c)) {
        out += QChar(kReplacementCharacter);
    } else if (c == u'&') {
        out += QLatin1String("&amp;");
    } else if (c == u'"') {
        out += QLatin1String("&quot;");
    } else if (c == u'<') {
        out += QLatin1String("&lt;");
    } else if (c == u'>') {
        out += QLatin1String("&gt;");
    } else if (isEscapedControl(c)) {
        out += QStringLiteral("&#%1;").arg(int(c));
    } else {
        out += text[i];
    }
}

} // namespace

QString escapedHtmlText(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && !needsChange(text[first].unicode()))
        ++first;
    if (first == text.size())
        return text; // the usual case: nothing to change, no copy
    QString out = text.left(first);
    out.reserve(text.size() + 16);
    for (qsizetype i = first; i < text.size(); ++i)
        appendCharacter(out, text, i);
    return out;
}

#pragma once

#include <QString>

// Text for a double-quoted attribute value or an element's text, such that an HTML parser
// reads back exactly the given text. The markup characters become entities, and so does a
// carriage return, which a parser would otherwise turn into a line feed. HTML cannot carry
// U+0000, the C1 controls U+0080..U+009F or an unpaired surrogate at all; they become
// U+FFFD here rather than something a parser would change unpredictably.
QString escapedHtmlText(const QString& text);

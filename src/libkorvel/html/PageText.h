#pragma once

#include <QByteArray>

// Whether a file holds binary data rather than text: a NUL byte, which no text file holds
// (UTF-16 files, which do, start with a byte order mark).
bool looksBinary(const QByteArray& bytes);

// A page's text as UTF-8 for the parser. A byte order mark says which Unicode form the file
// is in; without one, the bytes are UTF-8 when they are valid UTF-8, and otherwise
// windows-1252, the encoding of older Western pages (and of those labelled ISO-8859-1).
QByteArray pageTextAsUtf8(const QByteArray& bytes);

#pragma once

#include <QByteArray>

// Whether the bytes of a file are binary data rather than text: a NUL byte, which no text
// file holds (UTF-16 files, which do, start with a byte order mark).
bool LooksBinary(const QByteArray& bytes);

// A page's text as UTF-8 for the parser. A byte order mark says which Unicode form the
// file is in; without one, the bytes are taken as UTF-8 when they are valid UTF-8, and
// otherwise as windows-1252, the encoding of older Western pages (and of what pages label
// ISO-8859-1).
QByteArray HtmlTextAsUtf8(const QByteArray& bytes);

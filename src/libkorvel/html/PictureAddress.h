#pragma once

#include <QString>

// The src of a saved page's <img> for a picture file: its path relative to the page's
// folder, percent-encoded where a URL needs it, with forward slashes; a file: URL when no
// relative path reaches it (another drive). Empty when there is no picture.
QString pictureSourceFor(const QString& htmlFilePath, const QString& picturePath);

// The file an <img src> names, resolved as a browser resolves it: against the page's
// <base href> when it has one, else against the page's own file; surrounding whitespace
// dropped, backslashes read as slashes, percent-escapes decoded. Empty when the source is no
// local file (a web address, embedded data, nothing at all).
QString pictureFileFromSource(const QString& htmlFilePath, const QString& baseHref, const QString& source);

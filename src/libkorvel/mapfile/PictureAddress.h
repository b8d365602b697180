#pragma once

#include <QString>

// The src of a page's <img> for a picture file: the picture's path relative to the page's
// folder, percent-encoded where a URL needs it, with forward slashes. A picture that no
// relative path reaches (another drive) gets a file: URL. Empty when there is no picture.
QString PictureSourceFor(const QString& htmlFilePath, const QString& picturePath);

// The file an <img src> names, resolved as a browser resolves it: against the page's
// <base href> when it has one (baseHref), else against the page's own file; surrounding
// whitespace dropped, backslashes read as slashes, percent-escapes decoded. Empty when the
// source is not a local file (a web address, embedded data, nothing at all).
QString PictureFileFromSource(const QString& htmlFilePath, const QString& baseHref, const QString& source);

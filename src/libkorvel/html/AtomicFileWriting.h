#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to path through a temporary file in the same folder that then replaces the
// old file in one step, so that a failure never leaves half a file and the old one stays as
// it was. Returns an empty string on success, else a sentence that names the file and says
// why it could not be saved.
[[nodiscard]] QString writeFileAtomically(const QString& path, const QByteArray& bytes);

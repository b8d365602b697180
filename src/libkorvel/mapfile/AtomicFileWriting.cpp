#include "mapfile/AtomicFileWriting.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString CannotSave(const QFileInfo& target, const QString& reason)
{
    return QStringLiteral("Korvel could not save “%1”: %2")
        .arg(QDir::toNativeSeparators(target.absoluteFilePath()), reason);
}

// What can be told before writing, in plainer words than the system's.
QString ProblemBeforeWriting(const QFileInfo& target)
{
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return CannotSave(
            target, QStringLiteral("the folder “%1” does not exist.").arg(QDir::toNativeSeparators(folder.filePath())));
    if (!folder.isDir())
        return CannotSave(
            target, QStringLiteral("“%1” is not a folder.").arg(QDir::toNativeSeparators(folder.filePath())));
    if (target.isDir())
        return CannotSave(target, QStringLiteral("there is a folder of that name."));
    if (target.exists() && !target.isFile())
        return CannotSave(target, QStringLiteral("it is not an ordinary file."));
    return {};
}

// The system's reason ("No space left on device", "Permission denied"), as the end of a sentence.
QString SystemReason(const QSaveFile& file)
{
    QString reason = file.errorString();
    if (reason.isEmpty())
        return QStringLiteral("the file could not be written.");
    reason[0] = reason[0].toLower();
    return reason.endsWith(u'.') ? reason : reason + u'.';
}

} // namespace

QString WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    const QString problem = ProblemBeforeWriting(target);
    if (!problem.isEmpty())
        return problem;
    QSaveFile file(target.absoluteFilePath());
    // Never write into the old file directly: without the rename, a failure would leave it cut short.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a short write (a full disk, a size limit) shows here and is not lost
    // in a flush whose partial success reads as success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return CannotSave(target, SystemReason(file));
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString failure = CannotSave(target, SystemReason(file));
            file.cancelWriting();
            return failure;
        }
        written += count;
    }
    if (!file.commit())
        return CannotSave(target, SystemReason(file));
    return {};
}

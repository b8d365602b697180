#include "html/AtomicFileWriting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(AtomicFileWriting)
};

QString cannotSave(const QFileInfo& target, const QString& reason)
{
    return Words::tr("Korvel could not save “%1”: %2").arg(QDir::toNativeSeparators(target.absoluteFilePath()), reason);
}

// What can be told before writing, in plainer words than the system's.
QString problemBeforeWriting(const QFileInfo& target)
{
    const QFileInfo folder(target.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.filePath());
    if (!folder.exists())
        return cannotSave(target, Words::tr("the folder “%1” does not exist.").arg(folderName));
    if (!folder.isDir())
        return cannotSave(target, Words::tr("“%1” is not a folder.").arg(folderName));
    if (target.isDir())
        return cannotSave(target, Words::tr("there is a folder of that name."));
    if (target.exists() && !target.isFile())
        return cannotSave(target, Words::tr("it is not an ordinary file."));
    return {};
}

// The system's reason ("No space left on device", "Permission denied") as the end of a sentence.
QString systemReason(const QSaveFile& file)
{
    QString reason = file.errorString();
    if (reason.isEmpty())
        return Words::tr("the file could not be written.");
    reason[0] = reason[0].toLower();
    return reason.endsWith(u'.') ? reason : reason + u'.';
}

} // namespace

QString writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    const QString problem = problemBeforeWriting(target);
    if (!problem.isEmpty())
        return problem;
    QSaveFile file(target.absoluteFilePath());
    // Never into the old file directly: without the rename, a failure would leave it cut short.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a short write (a full disk, a size limit) shows here and is not lost
    // in a flush whose partial success reads as success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return cannotSave(target, systemReason(file));
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString failure = cannotSave(target, systemReason(file));
            file.cancelWriting();
            return failure;
        }
        written += count;
    }
    if (!file.commit())
        return cannotSave(target, systemReason(file));
    return {};
}

#include "RecordFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace xiangqi {

namespace {

// The write bits of the file's mode. WriteUser is left out: it reflects an access check, which
// always passes for the superuser.
constexpr QFile::Permissions kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

// The superuser may write anything, so the access check alone would let a save replace a file
// or fill a folder the user has explicitly write-protected; the permission bits decide too.
bool isWriteProtected(const QFileInfo& info) {
    return !info.isWritable() || (info.permissions() & kAnyWrite) == 0;
}

// An existing target must be a writable plain file (a save must not replace a device, a pipe or
// a protected file with a regular one) in a folder that is not write-protected.
bool mayReplace(const QString& path) {
    const QFileInfo target(path);
    if (target.exists() && (!target.isFile() || isWriteProtected(target)))
        return false;
    const QFileInfo folder(target.absolutePath());
    return folder.isDir() && !isWriteProtected(folder);
}

} // namespace

bool RecordFile::write(const QString& path, QByteArrayView contents) {
    QSaveFile file(path);
    return write(file, contents);
}

bool RecordFile::write(QSaveFile& file, QByteArrayView contents) {
    if (!mayReplace(file.fileName()))
        return false;
    // A rename-free direct write could leave a half-written record behind.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A full disk shows as a short write, which QSaveFile would still commit.
    if (file.write(contents.data(), contents.size()) != contents.size())
        file.cancelWriting();
    // After a cancel, commit discards the temporary file at once and fails.
    return file.commit();
}

} // namespace xiangqi

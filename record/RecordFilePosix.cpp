#include "RecordFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xiangqi {

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kPermissions = S_IRWXU | S_IRWXG | S_IRWXO;
// The most symbolic links the system follows in one path (Linux's MAXSYMLINKS).
constexpr int kMostLinks = 40;

// The folder part of `path`, up to and with its last slash; empty for a bare name.
QByteArray folderOf(const QByteArray& path) {
    return path.left(path.lastIndexOf('/') + 1);
}

// The file that a save through `path` writes: the end of its chain of symbolic links, whether a
// file is there yet or not, as an editor saves through a link. Each link's target is taken
// relative to that link's folder. Empty on a loop, a chain longer than the system follows, or
// a link that cannot be read.
QByteArray endOfLinks(QByteArray path) {
    for (int link = 0; link <= kMostLinks; ++link) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0)
            return errno == EINVAL || errno == ENOENT ? path : QByteArray();
        if (length == sizeof target)
            return {};
        const QByteArray next(target, length);
        path = next.startsWith('/') ? next : folderOf(path) + next;
    }
    return {};
}

// Opens the folder a save works in. A folder that may be written but not listed (mode -wx, a
// drop box) cannot be opened for reading; it is opened as a bare path then, which serves every
// call of a save but the sync of the folder.
int openFolder(const QByteArray& path, bool& syncable) {
    const char* const folder = path.isEmpty() ? "." : path.constData();
    int descriptor = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    syncable = descriptor >= 0;
    if (descriptor < 0 && errno == EACCES)
        descriptor = ::open(folder, O_PATH | O_DIRECTORY | O_CLOEXEC);
    return descriptor;
}

// The superuser may write anything, so the access check alone would let a save replace a file
// or fill a folder the user has explicitly write-protected; the permission bits decide too.
bool isWriteProtected(int folder, const char* name, const struct stat& status) {
    return ::faccessat(folder, name, W_OK, 0) != 0 || (status.st_mode & kAnyWrite) == 0;
}

// Whether the record may go to `name` in `folder`: the folder must not be write-protected, and
// an existing file of that name must be a plain file that is not write-protected either (a save
// must not replace a device, a pipe or a protected file with a regular one). Gives the
// permissions of that file, which the new record keeps, or 0 when there is none.
bool mayReplace(int folder, const char* name, mode_t& oldPermissions) {
    struct stat status {};
    if (::fstat(folder, &status) != 0 || isWriteProtected(folder, ".", status))
        return false;
    if (::fstatat(folder, name, &status, 0) != 0) {
        oldPermissions = 0;
        return errno == ENOENT;
    }
    oldPermissions = status.st_mode & kPermissions;
    return S_ISREG(status.st_mode) && !isWriteProtected(folder, name, status);
}

bool writeAll(int file, QByteArrayView contents) {
    while (!contents.isEmpty()) {
        const ssize_t written =
            ::write(file, contents.data(), static_cast<size_t>(contents.size()));
        if (written <= 0)
            return false;
        contents = contents.sliced(written);
    }
    return true;
}

// Creates the file `name` in `folder` with `contents` and returns once they are on the disk.
// A file that cannot be completed is removed again.
bool createOnDisk(int folder, const char* name, mode_t oldPermissions, QByteArrayView contents) {
    // Only the owner may open a file that takes an old one's place until it has its permissions.
    const int file = ::openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              oldPermissions ? 0600 : 0666);
    if (file < 0)
        return false;
    const bool written = (!oldPermissions || ::fchmod(file, oldPermissions) == 0) &&
                         writeAll(file, contents) && ::fsync(file) == 0;
    if (::close(file) == 0 && written)
        return true;
    ::unlinkat(folder, name, 0);
    return false;
}

// A hidden name of the same few bytes whatever the record's name, which may be as long as the
// file system allows.
QByteArray temporaryName() {
    return ".tvq-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

// Puts `contents` in place of the file `name` in `folder` with a single rename of a complete
// file, so that the name holds the old record or the new one in full, even after a power cut.
bool replace(int folder, bool syncable, const QByteArray& name, QByteArrayView contents) {
    mode_t oldPermissions = 0;
    if (!mayReplace(folder, name, oldPermissions))
        return false;
    const QByteArray temporary = temporaryName();
    if (!createOnDisk(folder, temporary, oldPermissions, contents))
        return false;
    if (::renameat(folder, temporary, folder, name) != 0) {
        ::unlinkat(folder, temporary, 0);
        return false;
    }
    // The rename itself is on the disk only once the folder is. A folder that cannot be read
    // cannot be synced: there the new record's bytes are on the disk, but after a power cut
    // soon after the save the name may still hold the old record, or nothing.
    return !syncable || ::fsync(folder) == 0;
}

} // namespace

bool RecordFile::write(const QString& path, QByteArrayView contents) {
    const QByteArray target = endOfLinks(QFile::encodeName(path));
    if (target.isEmpty())
        return false;
    bool syncable = false;
    const int folder = openFolder(folderOf(target), syncable);
    if (folder < 0)
        return false;
    const bool replaced =
        replace(folder, syncable, target.sliced(folderOf(target).size()), contents);
    return ::close(folder) == 0 && replaced;
}

} // namespace xiangqi

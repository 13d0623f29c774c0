// The record writer on POSIX systems. It writes through symbolic links to the file at the end
// of their chain, and syncs the folder after the rename. A folder that may be written but not
// read (a drop box) cannot be synced: there a power cut soon after a save may undo the rename.
// A file or folder whose permission bits deny writing to everyone is never overwritten, not
// even by the superuser.
#include "RecordFile.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
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
std::string folderOf(const std::string& path) {
    return path.substr(0, path.rfind('/') + 1);
}

// The file that a save through `path` writes: the end of its chain of symbolic links, whether a
// file is there yet or not, as an editor saves through a link. Each link's target is taken
// relative to that link's folder. Empty on a loop, a chain longer than the system follows, or
// a link that cannot be read.
std::string endOfLinks(std::string path) {
    for (int link = 0; link <= kMostLinks; ++link) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length < 0)
            return errno == EINVAL || errno == ENOENT ? path : std::string();
        if (length == sizeof target)
            return {};
        const std::string next(target, static_cast<std::size_t>(length));
        path = next.starts_with('/') ? next : folderOf(path) + next;
    }
    return {};
}

// Opens the folder a save works in. A folder that may be written but not listed (mode -wx, a
// drop box) cannot be opened for reading; it is opened as a bare path then, which serves every
// call of a save but the sync of the folder.
int openFolder(const std::string& path, bool& syncable) {
    const char* const folder = path.empty() ? "." : path.c_str();
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

bool writeAll(int file, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(file, contents.data(), contents.size());
        if (written <= 0)
            return false;
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates the file `name` in `folder` with `contents` and returns once they are on the disk.
// A file that cannot be completed is removed again.
bool createOnDisk(int folder, const char* name, mode_t oldPermissions, std::string_view contents) {
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
// file system allows. The C library's generator opens no file, so it adds no file-system call to
// a save.
std::string temporaryName() {
    std::uint64_t number = std::uint64_t{::arc4random()} << 32 | ::arc4random();
    std::string name = ".tvq-";
    do {
        name += "0123456789abcdefghijklmnopqrstuvwxyz"[number % 36];
        number /= 36;
    } while (number != 0);
    return name;
}

// Puts `contents` in place of the file `name` in `folder` with a single rename of a complete
// file, so that the name holds the old record or the new one in full, even after a power cut.
bool replace(int folder, bool syncable, const std::string& name, std::string_view contents) {
    mode_t oldPermissions = 0;
    if (!mayReplace(folder, name.c_str(), oldPermissions))
        return false;
    const std::string temporary = temporaryName();
    if (!createOnDisk(folder, temporary.c_str(), oldPermissions, contents))
        return false;
    if (::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
        ::unlinkat(folder, temporary.c_str(), 0);
        return false;
    }
    // The rename itself is on the disk only once the folder is. A folder that cannot be read
    // cannot be synced: there the new record's bytes are on the disk, but after a power cut
    // soon after the save the name may still hold the old record, or nothing.
    return !syncable || ::fsync(folder) == 0;
}

} // namespace

bool RecordFile::write(const std::string& path, std::string_view contents) {
    const std::string target = endOfLinks(path);
    if (target.empty())
        return false;
    bool syncable = false;
    const int folder = openFolder(folderOf(target), syncable);
    if (folder < 0)
        return false;
    const bool replaced =
        replace(folder, syncable, target.substr(folderOf(target).size()), contents);
    return ::close(folder) == 0 && replaced;
}

} // namespace xiangqi

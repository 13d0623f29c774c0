#include "FaultInjector.h"

#include <QHash>
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The injector of this thread, while one lives and no action of it runs.
thread_local FaultInjector* active = nullptr;

// The C library's function of that name (or the next one in line, such as a sanitizer's).
template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

// The mode argument of open and openat, present only when they may create a file.
mode_t modeArgument(int flags, va_list arguments) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(arguments, mode_t) : 0;
}

} // namespace

FaultInjector::FaultInjector(int failingCall, int error)
    : failingCall_(failingCall), error_(error) {
    active = this;
}

FaultInjector::~FaultInjector() {
    active = nullptr;
}

void FaultInjector::limitSpace(qint64 bytes) {
    space_ = bytes;
}

void FaultInjector::before(const QByteArray& call, std::function<void()> action) {
    actionCall_ = call;
    action_ = std::move(action);
}

QList<int> FaultInjector::errorsOf(const QByteArray& call) {
    static const QHash<QByteArray, QList<int>> errors = {
        {"open", {ENOSPC, EDQUOT, EROFS}},
        {"openat", {ENOSPC, EDQUOT, EROFS}},
        {"faccessat", {EIO, EROFS}},
        {"readlink", {EIO}},
        {"fchmod", {EIO, EROFS}},
        {"write", {ENOSPC, EDQUOT, EIO}},
        {"fsync", {ENOSPC, EDQUOT, EIO, EROFS}},
        {"fdatasync", {ENOSPC, EDQUOT, EIO, EROFS}},
        {"close", {ENOSPC, EDQUOT, EIO}},
        {"rename", {ENOSPC, EDQUOT, EROFS}},
        {"renameat", {ENOSPC, EDQUOT, EROFS}},
    };
    return errors.value(call);
}

bool FaultInjector::mayProceed(const char* call) {
    FaultInjector* const injector = active;
    if (!injector)
        return true;
    if (injector->action_ && injector->actionCall_ == call) {
        active = nullptr;
        std::exchange(injector->action_, nullptr)();
        active = injector;
    }
    injector->calls_.append(call);
    if (injector->calls_.size() != injector->failingCall_)
        return true;
    errno = injector->error_;
    return false;
}

qint64 FaultInjector::roomFor(qint64 length) {
    if (!active || active->space_ < 0)
        return length;
    if (active->space_ == 0 && length > 0)
        errno = ENOSPC;
    return qMin(length, active->space_);
}

void FaultInjector::wrote(qint64 bytes) {
    if (active && active->space_ > 0 && bytes > 0)
        active->space_ -= bytes;
}

// The interposed functions. Each asks the injector first and fails as a real call would: -1
// with errno set.

extern "C" int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    if (!FaultInjector::mayProceed("open"))
        return -1;
    static const auto real = next<int (*)(const char*, int, ...)>("open");
    return real(path, flags, mode);
}

extern "C" int openat(int folder, const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    if (!FaultInjector::mayProceed("openat"))
        return -1;
    static const auto real = next<int (*)(int, const char*, int, ...)>("openat");
    return real(folder, path, flags, mode);
}

extern "C" int faccessat(int folder, const char* path, int mode, int flags) {
    if (!FaultInjector::mayProceed("faccessat"))
        return -1;
    static const auto real = next<decltype(&faccessat)>("faccessat");
    return real(folder, path, mode, flags);
}

extern "C" ssize_t readlink(const char* path, char* target, size_t size) {
    if (!FaultInjector::mayProceed("readlink"))
        return -1;
    static const auto real = next<decltype(&readlink)>("readlink");
    return real(path, target, size);
}

extern "C" int fchmod(int file, mode_t mode) {
    if (!FaultInjector::mayProceed("fchmod"))
        return -1;
    static const auto real = next<decltype(&fchmod)>("fchmod");
    return real(file, mode);
}

extern "C" ssize_t write(int file, const void* data, size_t length) {
    if (!FaultInjector::mayProceed("write"))
        return -1;
    const qint64 room = FaultInjector::roomFor(static_cast<qint64>(length));
    if (room == 0 && length > 0)
        return -1;
    static const auto real = next<decltype(&write)>("write");
    const ssize_t written = real(file, data, static_cast<size_t>(room));
    FaultInjector::wrote(written);
    return written;
}

extern "C" int fsync(int file) {
    if (!FaultInjector::mayProceed("fsync"))
        return -1;
    static const auto real = next<decltype(&fsync)>("fsync");
    return real(file);
}

extern "C" int fdatasync(int file) {
    if (!FaultInjector::mayProceed("fdatasync"))
        return -1;
    static const auto real = next<decltype(&fdatasync)>("fdatasync");
    return real(file);
}

// A failed close still releases the descriptor, as on Linux.
extern "C" int close(int file) {
    const bool proceeds = FaultInjector::mayProceed("close");
    const int error = errno;
    static const auto real = next<decltype(&close)>("close");
    const int result = real(file);
    if (proceeds)
        return result;
    errno = error;
    return -1;
}

extern "C" int rename(const char* from, const char* to) {
    if (!FaultInjector::mayProceed("rename"))
        return -1;
    static const auto real = next<decltype(&rename)>("rename");
    return real(from, to);
}

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    if (!FaultInjector::mayProceed("renameat"))
        return -1;
    static const auto real = next<decltype(&renameat)>("renameat");
    return real(fromFolder, from, toFolder, to);
}

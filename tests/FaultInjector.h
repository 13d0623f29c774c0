#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

// Makes the file-system calls of this thread fail on purpose while an injector lives, as when a
// disk fills up, breaks or turns read-only part way through a save. The test program defines
// open, openat, faccessat, readlink, fchmod, write, fsync, fdatasync, close, rename and
// renameat itself, so every call to them, from Qt as well, comes here first and then goes on to
// the C library.
// Calls are counted from 1 while an injector lives and only on the thread that made it; other
// calls pass untouched. One injector at a time.
class FaultInjector {
public:
    // Fails call number `failingCall` with `error`; 0 fails none and only counts the calls.
    explicit FaultInjector(int failingCall = 0, int error = 0);
    ~FaultInjector();
    FaultInjector(const FaultInjector&) = delete;
    FaultInjector& operator=(const FaultInjector&) = delete;

    // Lets only `bytes` more bytes be written, as on a nearly full disk: the write that reaches
    // the limit is cut short, and the writes after it fail with ENOSPC.
    void limitSpace(qint64 bytes);
    // Runs `action` just before the first call named `call` goes on; the action's own calls are
    // neither counted nor failed.
    void before(const QByteArray& call, std::function<void()> action);
    // The calls made so far, by name, in order.
    const QList<QByteArray>& calls() const { return calls_; }

    // The errors a call can give when a disk fills up, breaks or is read-only (ENOSPC, EDQUOT,
    // EIO, EROFS), as its manual page lists them. Empty for a call this class does not know.
    static QList<int> errorsOf(const QByteArray& call);

    // Called by the interposed functions: false when the call is to fail, with errno set.
    static bool mayProceed(const char* call);
    // Called by the interposed write: how many of `length` bytes may be written; 0 with errno
    // set when the disk is full.
    static qint64 roomFor(qint64 length);
    static void wrote(qint64 bytes);

private:
    int failingCall_;
    int error_;
    qint64 space_ = -1;
    QByteArray actionCall_;
    std::function<void()> action_;
    QList<QByteArray> calls_;
};

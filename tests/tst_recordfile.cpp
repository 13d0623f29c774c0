#include "FaultInjector.h"
#include "RecordFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using xiangqi::RecordFile;

namespace {

const QByteArray kWorkedExample = "64,67,0\r\n1,20,0\r\n67,31,66\r\n";
const QByteArray kOldContents = "1,2,0\r\n3,4,0\r\n";
// A record of a long game: 8,492 bytes, which fit in a write buffer as every record does.
const QByteArray kLongRecord = kWorkedExample.repeated(314) + kOldContents;
constexpr auto kReadOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
constexpr auto kReadOnlyFolder =
    kReadOnly | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
constexpr auto kWritableFolder = kReadOnlyFolder | QFile::WriteOwner | QFile::WriteUser;

// The record writer, given the path in UTF-8 as the program passes it.
bool save(const QString& path, const QByteArray& contents) {
    return RecordFile::write(path.toStdString(), contents.toStdString());
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

bool createFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                  QDir::System);
}

// A tiny filesystem of its own, mounted for the lifetime of the object when the system lets us.
class SmallFilesystem {
public:
    explicit SmallFilesystem(const QString& mountPoint) : mountPoint_(mountPoint.toLocal8Bit()) {
        mounted_ = QDir().mkpath(mountPoint) &&
                   ::mount("tmpfs", mountPoint_.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFilesystem() {
        if (mounted_)
            ::umount2(mountPoint_.constData(), MNT_DETACH);
    }
    SmallFilesystem(const SmallFilesystem&) = delete;
    SmallFilesystem& operator=(const SmallFilesystem&) = delete;

    bool isMounted() const { return mounted_; }

private:
    QByteArray mountPoint_;
    bool mounted_ = false;
};

// While this lives, the superuser's file permissions are checked on this thread as anyone
// else's: a folder without read permission cannot be opened for reading then.
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride() {
        ::syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH);
        ::syscall(SYS_capset, &header_, reduced);
    }
    ~WithoutPermissionOverride() { ::syscall(SYS_capset, &header_, saved_); }
    WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
    WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

// Makes the symbolic links that `links` lists as "name -> target", names relative to `folder`.
bool makeLinks(const QString& folder, const QStringList& links) {
    for (const QString& link : links) {
        const QStringList parts = link.split(QStringLiteral(" -> "));
        const QByteArray path = QFile::encodeName(folder + '/' + parts.value(0));
        if (::symlink(QFile::encodeName(parts.value(1)).constData(), path.constData()) != 0)
            return false;
    }
    return true;
}

// Fills the filesystem of `path` with that file until only `space` bytes are left.
bool fillUpTo(const QString& path, qint64 space) {
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, '0');
    while (filler.write(block) == block.size()) {
    }
    return filler.size() >= space && filler.resize(filler.size() - space);
}

// Where in a save's calls the new record takes the old one's place.
qsizetype indexOfReplacingCall(const QList<QByteArray>& calls) {
    const qsizetype renameat = calls.indexOf("renameat");
    return renameat >= 0 ? renameat : calls.indexOf("rename");
}

bool includesSync(const QList<QByteArray>& calls) {
    return calls.contains("fsync") || calls.contains("fdatasync");
}

enum class Obstacle { MissingFolder, PathIsFolder, ReadOnlyFolder, ReadOnlyFile, Pipe, LinkLoop };

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class RecordFileTest : public QObject {
    Q_OBJECT

private slots:
    void theFileHoldsExactlyTheWrittenBytes_data();
    void theFileHoldsExactlyTheWrittenBytes();
    void theRecordGoesWhereTheLinksLeadInAnyWritableFolder_data();
    void theRecordGoesWhereTheLinksLeadInAnyWritableFolder();
    void aRefusedTargetFailsAndLeavesTheFolderAsItWas_data();
    void aRefusedTargetFailsAndLeavesTheFolderAsItWas();
    void aWriteCutShortFailsAndKeepsTheOldFile_data();
    void aWriteCutShortFailsAndKeepsTheOldFile();
    void aFullDiskFailsAndKeepsTheOldFile_data();
    void aFullDiskFailsAndKeepsTheOldFile();
    void aFailedRenameLeavesNoTemporaryFile();
    void aSaveFailingAtAnyCallReportsItAndLosesNothing_data();
    void aSaveFailingAtAnyCallReportsItAndLosesNothing();

private:
    static void verifyALaterWriteWorks(const QString& folder);
};

void RecordFileTest::verifyALaterWriteWorks(const QString& folder) {
    const QString good = folder + "/good.tvq";
    QVERIFY(save(good, kWorkedExample));
    QCOMPARE(readAll(good), kWorkedExample);
}

void RecordFileTest::theFileHoldsExactlyTheWrittenBytes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QByteArray>("contents");

    const QString game = QStringLiteral("game.tvq");
    QTest::newRow("the worked example in a new file") << game << QByteArray() << kWorkedExample;
    QTest::newRow("no moves give an empty file") << game << QByteArray() << QByteArray("");
    QTest::newRow("a larger old file keeps none of its bytes")
        << game << QByteArray(4096, 'z') << kWorkedExample;
    QTest::newRow("an empty record empties an old file") << game << kOldContents << QByteArray("");
    QTest::newRow("line ends are not translated")
        << game << QByteArray() << QByteArray("1,2,0\r\n\n\r3,4,0\r\r\n", 17);
    QTest::newRow("zero bytes are kept") << game << kOldContents << QByteArray("a\0b\r\n", 5);
    // The longest name a file system takes is 255 bytes; a Chinese character takes three.
    QTest::newRow("a name of 255 bytes replaces its old file")
        << QString(251, u'x') + ".tvq" << kOldContents << kWorkedExample;
    QTest::newRow("a name of 81 Chinese characters")
        << QString(81, u'局') + ".tvq" << QByteArray() << kWorkedExample;
}

void RecordFileTest::theFileHoldsExactlyTheWrittenBytes() {
    QFETCH(QString, name);
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    if (!existing.isNull())
        QVERIFY(createFile(path, existing));

    QVERIFY(save(path, contents));

    QCOMPARE(readAll(path), contents);
    QCOMPARE(QFileInfo(path).size(), contents.size());
    QCOMPARE(entriesOf(dir.path()), QStringList{name});
}

void RecordFileTest::theRecordGoesWhereTheLinksLeadInAnyWritableFolder_data() {
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("recordAt");
    QTest::addColumn<bool>("writeOnly");

    QTest::newRow("a link to a record not written yet")
        << QStringList{"game.tvq -> records/new.tvq"} << "game.tvq"
        << "records/new.tvq" << false;
    QTest::newRow("a chain of links, each relative to its own folder")
        << QStringList{"game.tvq -> chain/next.tvq", "chain/next.tvq -> ../records/new.tvq"}
        << "game.tvq"
        << "records/new.tvq" << false;
    QTest::newRow("a link to an existing record")
        << QStringList{"game.tvq -> records/old.tvq"} << "game.tvq"
        << "records/old.tvq" << false;
    QTest::newRow("a folder that may be written but not listed")
        << QStringList{} << "records/new.tvq"
        << "records/new.tvq" << true;
}

// Through symbolic links, the file at the end of their chain gets the record, whether it exists
// or not, and the links stay. In a folder whose files may be written but not listed (a drop
// box), even by the superuser, the record is saved as anywhere else.
void RecordFileTest::theRecordGoesWhereTheLinksLeadInAnyWritableFolder() {
    QFETCH(QStringList, links);
    QFETCH(QString, path);
    QFETCH(QString, recordAt);
    QFETCH(bool, writeOnly);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString records = dir.filePath("records");
    QVERIFY(QDir().mkpath(records) && QDir().mkpath(dir.filePath("chain")));
    QVERIFY(createFile(records + "/old.tvq", kOldContents));
    QVERIFY(makeLinks(dir.path(), links));
    if (writeOnly)
        QVERIFY(QFile::setPermissions(records, QFile::WriteOwner | QFile::ExeOwner));

    bool written = false;
    {
        const WithoutPermissionOverride asAnyone;
        written = save(dir.filePath(path), kWorkedExample);
    }
    QFile::setPermissions(records, kWritableFolder);

    QVERIFY(written);
    QCOMPARE(readAll(dir.filePath(recordAt)), kWorkedExample);
    for (const QString& link : links)
        QVERIFY2(QFileInfo(dir.filePath(link.section(' ', 0, 0))).isSymLink(), qPrintable(link));
    QStringList saved{"old.tvq", QFileInfo(recordAt).fileName()};
    saved.removeDuplicates();
    saved.sort();
    QCOMPARE(entriesOf(records), saved);
}

void RecordFileTest::aRefusedTargetFailsAndLeavesTheFolderAsItWas_data() {
    QTest::addColumn<Obstacle>("obstacle");

    QTest::newRow("the folder does not exist") << Obstacle::MissingFolder;
    QTest::newRow("the path names a folder") << Obstacle::PathIsFolder;
    QTest::newRow("the folder is read-only") << Obstacle::ReadOnlyFolder;
    QTest::newRow("the existing file is read-only") << Obstacle::ReadOnlyFile;
    QTest::newRow("the path names a pipe") << Obstacle::Pipe;
    QTest::newRow("the path is a loop of links") << Obstacle::LinkLoop;
}

// The read-only rows also hold when the tests run as the superuser, who could write anyway.
void RecordFileTest::aRefusedTargetFailsAndLeavesTheFolderAsItWas() {
    QFETCH(Obstacle, obstacle);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath("records");
    QVERIFY(QDir().mkpath(folder));
    const QString old = folder + "/old.tvq";
    QVERIFY(createFile(old, kOldContents));
    QString path = folder + "/game.tvq";

    switch (obstacle) {
    case Obstacle::MissingFolder:
        path = folder + "/missing/game.tvq";
        break;
    case Obstacle::PathIsFolder:
        QVERIFY(QDir().mkpath(path));
        break;
    case Obstacle::ReadOnlyFolder:
        QVERIFY(QFile::setPermissions(folder, kReadOnlyFolder));
        break;
    case Obstacle::ReadOnlyFile:
        path = old;
        QVERIFY(QFile::setPermissions(old, kReadOnly));
        break;
    case Obstacle::Pipe:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0666), 0);
        break;
    case Obstacle::LinkLoop:
        QVERIFY(makeLinks(folder, {"game.tvq -> loop.tvq", "loop.tvq -> game.tvq"}));
        break;
    }
    const QStringList entriesBefore = entriesOf(folder);

    const bool written = save(path, kWorkedExample);
    QFile::setPermissions(folder, kWritableFolder);

    QVERIFY(!written);
    QCOMPARE(entriesOf(folder), entriesBefore);
    QCOMPARE(readAll(old), kOldContents);
    if (obstacle == Obstacle::PathIsFolder)
        QVERIFY(QFileInfo(path).isDir());
    if (obstacle == Obstacle::Pipe)
        QCOMPARE(QFileInfo(path).isFile(), false);
    if (obstacle == Obstacle::LinkLoop)
        QVERIFY(QFileInfo(path).isSymLink());
    verifyALaterWriteWorks(folder);
}

void RecordFileTest::aWriteCutShortFailsAndKeepsTheOldFile_data() {
    QTest::addColumn<qint64>("space");

    QTest::newRow("nothing is written") << qint64(0);
    QTest::newRow("the first line is written") << qint64(9);
    QTest::newRow("all but the last byte is written") << qint64(kWorkedExample.size() - 1);
}

void RecordFileTest::aWriteCutShortFailsAndKeepsTheOldFile() {
    QFETCH(qint64, space);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.tvq");
    QVERIFY(createFile(path, kOldContents));

    bool written = true;
    {
        FaultInjector faults;
        faults.limitSpace(space);
        written = save(path, kWorkedExample);
    }

    QVERIFY(!written);
    QCOMPARE(readAll(path), kOldContents);
    QCOMPARE(entriesOf(dir.path()), QStringList{"game.tvq"});
    verifyALaterWriteWorks(dir.path());
}

void RecordFileTest::aFullDiskFailsAndKeepsTheOldFile_data() {
    QTest::addColumn<qint64>("space");
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("the worked example with no room left") << qint64(0) << kWorkedExample;
    QTest::newRow("a long game with no room left") << qint64(0) << kLongRecord;
    QTest::newRow("a long game with 4 KiB left") << qint64(4096) << kLongRecord;
}

void RecordFileTest::aFullDiskFailsAndKeepsTheOldFile() {
    QFETCH(qint64, space);
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString disk = dir.filePath("disk");
    const SmallFilesystem filesystem(disk);
    if (!filesystem.isMounted())
        QSKIP("a small filesystem cannot be mounted here (needs root and mount rights)");
    const QString path = disk + "/game.tvq";
    QVERIFY(createFile(path, kOldContents));
    const QString filler = disk + "/filler";
    QVERIFY(fillUpTo(filler, space));

    QVERIFY(!save(path, contents));

    QCOMPARE(readAll(path), kOldContents);
    QCOMPARE(entriesOf(disk), (QStringList{"filler", "game.tvq"}));
    QVERIFY(QFile::remove(filler));
    verifyALaterWriteWorks(disk);
}

void RecordFileTest::aFailedRenameLeavesNoTemporaryFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.tvq");

    bool written = true;
    {
        // Another program puts a folder where the record is going while it is being written.
        FaultInjector faults;
        faults.before("renameat", [&] { QDir().mkpath(path); });
        written = save(path, kWorkedExample);
    }

    QVERIFY(!written);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(entriesOf(dir.path()), QStringList{"game.tvq"});
    verifyALaterWriteWorks(dir.path());
}

void RecordFileTest::aSaveFailingAtAnyCallReportsItAndLosesNothing_data() {
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("an empty record") << QByteArray("");
    QTest::newRow("the worked example of 27 bytes") << kWorkedExample;
    QTest::newRow("a long game of 8,492 bytes") << kLongRecord;
}

// Fails each call a save makes in turn, with each error the call can give on a full, broken or
// read-only disk. Until the new record has replaced the old one the old one must stay as it
// was; after that (syncing the folder) the new one must be there whole. Either way the save
// reports the failure, leaves no temporary file, and the next save works.
void RecordFileTest::aSaveFailingAtAnyCallReportsItAndLosesNothing() {
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.tvq");
    QVERIFY(createFile(path, kOldContents));

    QList<QByteArray> calls;
    {
        FaultInjector counter;
        QVERIFY(save(path, contents));
        calls = counter.calls();
    }
    QCOMPARE(readAll(path), contents);
    QCOMPARE(entriesOf(dir.path()), QStringList{"game.tvq"});
    const qsizetype replacing = indexOfReplacingCall(calls);
    QVERIFY2(replacing >= 0, calls.join(' '));
    QVERIFY2(includesSync(calls.first(replacing)),
             "the new record is not on the disk before the rename");
    QVERIFY2(includesSync(calls.sliced(replacing)),
             "the folder is not on the disk after the rename");

    int injected = 0;
    int survived = 0;
    for (qsizetype call = 0; call < calls.size(); ++call) {
        for (const int error : FaultInjector::errorsOf(calls[call])) {
            QVERIFY(createFile(path, kOldContents));
            bool written = true;
            {
                FaultInjector faults(int(call) + 1, error);
                written = save(path, contents);
            }
            ++injected;
            const bool kept = !written &&
                              readAll(path) == (call > replacing ? contents : kOldContents) &&
                              entriesOf(dir.path()) == QStringList{"game.tvq"};
            const bool recovered = save(path, contents) && readAll(path) == contents;
            if (kept && recovered)
                ++survived;
            else
                qWarning("call %lld (%s) failing with %s: %s", qlonglong(call + 1),
                         calls[call].constData(), strerrorname_np(error),
                         kept ? "the next save failed" : "reported as saved, or the files changed");
        }
    }

    qInfo("%lld calls, %d faults injected, %d survived", qlonglong(calls.size()), injected,
          survived);
    QCOMPARE(survived, injected);
}
QTEST_GUILESS_MAIN(RecordFileTest)
#include "tst_recordfile.moc"

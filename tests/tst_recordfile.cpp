#include "RecordFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>
#include <sys/stat.h>

using xiangqi::RecordFile;

namespace {

const QByteArray kWorkedExample = "64,67,0\r\n1,20,0\r\n67,31,66\r\n";
const QByteArray kOldContents = "1,2,0\r\n3,4,0\r\n";
constexpr auto kReadOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
constexpr auto kReadOnlyFolder =
    kReadOnly | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
constexpr auto kWritableFolder = kReadOnlyFolder | QFile::WriteOwner | QFile::WriteUser;

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

// Passes on only the first `budget` bytes, as a disk that fills up part way through would.
class CutShortSaveFile : public QSaveFile {
public:
    CutShortSaveFile(const QString& name, qint64 budget) : QSaveFile(name), budget_(budget) {}

protected:
    qint64 writeData(const char* data, qint64 length) override {
        const qint64 passed = QSaveFile::writeData(data, qMin(length, budget_));
        budget_ -= qMax<qint64>(passed, 0);
        return passed;
    }

private:
    qint64 budget_;
};

// Another program puts a folder where the record is going while it is being written, so the
// final rename cannot succeed.
class TargetTakenSaveFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;

protected:
    qint64 writeData(const char* data, qint64 length) override {
        QDir().mkpath(fileName());
        return QSaveFile::writeData(data, length);
    }
};

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
    static constexpr qint64 kCapacity = 64 * 1024;

private:
    QByteArray mountPoint_;
    bool mounted_ = false;
};

enum class Obstacle { MissingFolder, PathIsFolder, ReadOnlyFolder, ReadOnlyFile, Pipe };

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class RecordFileTest : public QObject {
    Q_OBJECT

private slots:
    void theFileHoldsExactlyTheWrittenBytes_data();
    void theFileHoldsExactlyTheWrittenBytes();
    void aRefusedTargetFailsAndLeavesTheFolderAsItWas_data();
    void aRefusedTargetFailsAndLeavesTheFolderAsItWas();
    void aWriteCutShortFailsAndKeepsTheOldFile_data();
    void aWriteCutShortFailsAndKeepsTheOldFile();
    void aFullDiskFailsAndKeepsTheOldFile();
    void aFailedRenameLeavesNoTemporaryFile();

private:
    static void verifyALaterWriteWorks(const QString& folder);
};

void RecordFileTest::verifyALaterWriteWorks(const QString& folder) {
    const QString good = folder + "/good.tvq";
    QVERIFY(RecordFile::write(good, kWorkedExample));
    QCOMPARE(readAll(good), kWorkedExample);
}

void RecordFileTest::theFileHoldsExactlyTheWrittenBytes_data() {
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("the worked example in a new file") << QByteArray() << kWorkedExample;
    QTest::newRow("no moves give an empty file") << QByteArray() << QByteArray("");
    QTest::newRow("a larger old file keeps none of its bytes")
        << QByteArray(4096, 'z') << kWorkedExample;
    QTest::newRow("an empty record empties an old file") << kOldContents << QByteArray("");
    QTest::newRow("line ends are not translated")
        << QByteArray() << QByteArray("1,2,0\r\n\n\r3,4,0\r\r\n", 17);
    QTest::newRow("zero bytes are kept") << kOldContents << QByteArray("a\0b\r\n", 5);
}

void RecordFileTest::theFileHoldsExactlyTheWrittenBytes() {
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.tvq");
    if (!existing.isNull())
        QVERIFY(createFile(path, existing));

    QVERIFY(RecordFile::write(path, contents));

    QCOMPARE(readAll(path), contents);
    QCOMPARE(QFileInfo(path).size(), contents.size());
    QCOMPARE(entriesOf(dir.path()), QStringList{"game.tvq"});
}

void RecordFileTest::aRefusedTargetFailsAndLeavesTheFolderAsItWas_data() {
    QTest::addColumn<Obstacle>("obstacle");

    QTest::newRow("the folder does not exist") << Obstacle::MissingFolder;
    QTest::newRow("the path names a folder") << Obstacle::PathIsFolder;
    QTest::newRow("the folder is read-only") << Obstacle::ReadOnlyFolder;
    QTest::newRow("the existing file is read-only") << Obstacle::ReadOnlyFile;
    QTest::newRow("the path names a pipe") << Obstacle::Pipe;
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
    }
    const QStringList entriesBefore = entriesOf(folder);

    const bool written = RecordFile::write(path, kWorkedExample);
    QFile::setPermissions(folder, kWritableFolder);

    QVERIFY(!written);
    QCOMPARE(entriesOf(folder), entriesBefore);
    QCOMPARE(readAll(old), kOldContents);
    if (obstacle == Obstacle::PathIsFolder)
        QVERIFY(QFileInfo(path).isDir());
    if (obstacle == Obstacle::Pipe)
        QCOMPARE(QFileInfo(path).isFile(), false);
    verifyALaterWriteWorks(folder);
}

void RecordFileTest::aWriteCutShortFailsAndKeepsTheOldFile_data() {
    QTest::addColumn<qint64>("budget");

    QTest::newRow("nothing is written") << qint64(0);
    QTest::newRow("the first line is written") << qint64(9);
    QTest::newRow("all but the last byte is written") << qint64(kWorkedExample.size() - 1);
}

void RecordFileTest::aWriteCutShortFailsAndKeepsTheOldFile() {
    QFETCH(qint64, budget);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.tvq");
    QVERIFY(createFile(path, kOldContents));

    {
        CutShortSaveFile file(path, budget);
        QVERIFY(!RecordFile::write(file, kWorkedExample));
        QCOMPARE(entriesOf(dir.path()), QStringList{"game.tvq"});
    }

    QCOMPARE(readAll(path), kOldContents);
    QCOMPARE(entriesOf(dir.path()), QStringList{"game.tvq"});
    verifyALaterWriteWorks(dir.path());
}

void RecordFileTest::aFullDiskFailsAndKeepsTheOldFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString disk = dir.filePath("disk");
    const SmallFilesystem filesystem(disk);
    if (!filesystem.isMounted())
        QSKIP("a small filesystem cannot be mounted here (needs root and mount rights)");
    const QString path = disk + "/game.tvq";
    QVERIFY(createFile(path, kOldContents));

    const QByteArray tooLarge(2 * SmallFilesystem::kCapacity, '1');
    QVERIFY(!RecordFile::write(path, tooLarge));

    QCOMPARE(readAll(path), kOldContents);
    QCOMPARE(entriesOf(disk), QStringList{"game.tvq"});
    verifyALaterWriteWorks(disk);
}

void RecordFileTest::aFailedRenameLeavesNoTemporaryFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.tvq");

    {
        TargetTakenSaveFile file(path);
        QVERIFY(!RecordFile::write(file, kWorkedExample));
    }

    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(entriesOf(dir.path()), QStringList{"game.tvq"});
    verifyALaterWriteWorks(dir.path());
}

QTEST_GUILESS_MAIN(RecordFileTest)
#include "tst_recordfile.moc"

#pragma once

#include <QByteArrayView>
#include <QString>

class QSaveFile;

namespace xiangqi {

// Writes a game record to disk as a whole or not at all: the bytes go to a temporary file
// beside the target, which replaces the target only once everything is written and flushed.
// On failure an existing file keeps its old content and no temporary file is left behind.
class RecordFile {
public:
    // Replaces the file at `path` by `contents`, byte for byte. False on any failure, and also
    // when the target is not a plain file or is read-only: a file or folder whose permission
    // bits deny writing to everyone is never overwritten, not even by the superuser.
    static bool write(const QString& path, QByteArrayView contents);
    // The same for a save file already named after its target, not yet opened.
    static bool write(QSaveFile& file, QByteArrayView contents);
};

} // namespace xiangqi

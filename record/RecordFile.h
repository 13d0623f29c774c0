#pragma once

#include <QByteArrayView>
#include <QString>

namespace xiangqi {

// Writes a game record to disk as a whole or not at all: the bytes go to a temporary file
// beside the target and reach the disk before that file replaces the target in one rename, and
// the folder is synced after it, so even a power cut leaves the old record or the new one.
// On failure no temporary file is left behind, and an existing file keeps its old content
// unless the failure came after the rename (syncing the folder), when it holds the new record.
// A folder that may be written but not read (a drop box) cannot be synced: there a power cut
// soon after a save may undo the rename.
class RecordFile {
public:
    // Replaces the file at `path` by `contents`, byte for byte; through symbolic links, the file
    // at the end of their chain, whether it exists yet or not. False on any failure, and also
    // when the target is not a plain file or is read-only: a file or folder whose permission
    // bits deny writing to everyone is never overwritten, not even by the superuser.
    static bool write(const QString& path, QByteArrayView contents);
};

} // namespace xiangqi

#pragma once

#include <string>
#include <string_view>

namespace xiangqi {

// Writes a game record to disk as a whole or not at all: the bytes go to a temporary file
// beside the target and reach the disk before that file replaces the target in one rename, so
// even a power cut leaves the old record or the new one. On failure no temporary file is left
// behind, and an existing file keeps its old content unless the failure came after the rename
// (making it durable), when it holds the new record. Each platform has its implementation:
// RecordFilePosix.cpp and RecordFileWindows.cpp.
class RecordFile {
public:
    // Replaces the file at `path` (UTF-8) by `contents`, byte for byte. False on any failure,
    // and also when the target is not a plain file or is read-only: a write-protected file is
    // never overwritten.
    static bool write(const std::string& path, std::string_view contents);
};

} // namespace xiangqi

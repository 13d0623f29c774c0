#pragma once

namespace xiangqi::win32 {

// The program's version as its version resource gives it for the file: major, minor and
// revision, the first, second and fourth of the four numbers (the third, the build, is 0).
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The version of the running program; all 0 when it carries none.
ProgramVersion programVersion();

} // namespace xiangqi::win32

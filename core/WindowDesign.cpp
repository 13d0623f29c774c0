#include "WindowDesign.h"

namespace xiangqi::design::frmAbout {

std::string versionLine(int major, int minor, int revision) {
    return "版本 " + std::to_string(major) + '.' + std::to_string(minor) + '.' +
           std::to_string(revision);
}

} // namespace xiangqi::design::frmAbout

#include "NameOnlyIconProvider.h"

#include <QApplication>
#include <QStyle>

namespace xiangqi {

namespace {
// Qt translates the type names of its file dialog under this context.
QString dialogText(const char* text, const char* disambiguation = nullptr) {
    return QCoreApplication::translate("QFileDialog", text, disambiguation);
}
} // namespace

// Qt's provider tells folders, devices, pipes and sockets apart by their kind alone, without
// reading them; only a regular file would be read.
QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    if (!info.isFile())
        return QFileIconProvider::icon(info);
    if (info.isSymLink())
        return linkIcon();
    return QFileIconProvider::icon(File);
}

const QIcon& NameOnlyIconProvider::linkIcon() const {
    if (!linkIcon_)
        linkIcon_ = QApplication::style()->standardIcon(QStyle::SP_FileLinkIcon);
    return *linkIcon_;
}

// A file's type is named after its extension.
QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    if (info.isRoot())
        return dialogText("Drive");
    if (info.isFile()) {
        const QString suffix = info.suffix();
        return suffix.isEmpty() ? dialogText("File") : dialogText("%1 File").arg(suffix);
    }
    if (info.isDir())
        return dialogText("Folder", "All other platforms");
    if (info.isSymLink())
        return dialogText("Shortcut", "All other platforms");
    return dialogText("Unknown");
}

} // namespace xiangqi

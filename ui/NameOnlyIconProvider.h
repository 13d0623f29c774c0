#pragma once

#include <QFileIconProvider>
#include <optional>

namespace xiangqi {

// Icons and type names for the entries of the Save-As dialog and its completer, from each
// file's name and kind alone. Qt's own provider guesses a file's type from its contents, and
// reading a special file can wait for ever (/proc/kmsg waits for the next kernel message),
// which would freeze the program with the dialog open; guessing also costs too much time for
// a folder of many files.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

private:
    const QIcon& linkIcon() const;

    // The style looks the icon of a linked file up in the icon theme on disk each time it is
    // asked, so it is asked once.
    mutable std::optional<QIcon> linkIcon_;
};

} // namespace xiangqi

#include "PictureBank.h"

#include <QString>

namespace xiangqi {

PictureBank::PictureBank() {
    for (int index : kIndices)
        pictures_[index] =
            QPixmap(QStringLiteral(":/pictures/%1.png").arg(index, 2, 10, QChar('0')));
}

const QPixmap& PictureBank::picture(int index) const {
    Q_ASSERT(index >= 0 && index < static_cast<int>(pictures_.size()));
    Q_ASSERT(!pictures_[index].isNull());
    return pictures_[index];
}

} // namespace xiangqi

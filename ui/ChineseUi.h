#pragma once

#include <QFont>

class QApplication;

namespace xiangqi {

// Makes every text of the program Chinese and renderable on any machine: loads Qt's own
// Simplified Chinese translations whatever the system locale, and the bundled fonts, which
// supply every Chinese character the program shows where the system has no Chinese font. Also
// makes the C library's character set UTF-8, as Qt's is, so that the title reaches every X
// client intact in any locale.
void installChineseUi(QApplication& app);

// 宋体 where the system has it, else the bundled Song-style font.
QFont songFont(qreal pointSize);
// Tahoma, or the bundled substitute, which has no Chinese characters.
QFont tahomaFont(qreal pointSize);

} // namespace xiangqi

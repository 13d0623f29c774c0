#pragma once

#include <QFont>

class QApplication;

namespace xiangqi {

// Has the system's font configuration read on a thread of its own while the toolkit starts:
// reading it is the largest single piece of the window's start-up, and the first text the
// window measures would otherwise wait for it. Call before the QApplication is made; does
// nothing where the toolkit reads no such configuration.
void prepareSystemFonts();

// Makes every text of the program Chinese and renderable on any machine: loads Qt's own
// Simplified Chinese translations whatever the system locale, and the bundled fonts, which
// supply every Chinese character the program shows where the system has no Chinese font.
void installChineseUi(QApplication& app);

// 宋体 where the system has it, else the bundled Song-style font.
QFont songFont(qreal pointSize);
// Tahoma, or the bundled substitute; Chinese characters fall back to the Song-style font.
QFont tahomaFont(qreal pointSize);

} // namespace xiangqi

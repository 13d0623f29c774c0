#pragma once

#include <array>
#include <string>
#include <string_view>

// The design of the two windows, shared by every front end: captions, texts, fonts, colours
// and the layout in twips. A front end turns twips into its own pixels; nothing here depends on
// a toolkit.
namespace xiangqi::design {

// Lengths are in twips, 1/1440 inch: 15 twips to the pixel at the standard 96 dots per inch.
constexpr int kTwipsPerInch = 1440;
constexpr int kStandardDpi = 96;
constexpr int kTwipsPerPixel = kTwipsPerInch / kStandardDpi;

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

struct Pixels {
    int left;
    int top;
    int width;
    int height;

    bool operator==(const Pixels&) const = default;
};

struct Rgb {
    int red;
    int green;
    int blue;
};

// A length in twips as pixels at `dpi` dots per inch, rounded to the nearest pixel.
constexpr int toPixels(int twips, int dpi = kStandardDpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// A rectangle in pixels whose edges are those of `twips` rounded, so that rectangles that meet
// in twips meet in pixels too.
constexpr Pixels toPixels(Twips twips, int dpi = kStandardDpi) {
    const int left = toPixels(twips.left, dpi);
    const int top = toPixels(twips.top, dpi);
    return {left, top, toPixels(twips.left + twips.width, dpi) - left,
            toPixels(twips.top + twips.height, dpi) - top};
}

// A control: the name the program gives it, its text as designed and its place in the client
// area (inside its frame, for the board points).
struct Control {
    std::string_view name;
    std::string_view text;
    Twips place;
};

struct Font {
    std::string_view family;
    double points;
    Rgb colour;
};

// A menu item: its name and its caption, where "&" marks the access key.
struct MenuItem {
    std::string_view name;
    std::string_view caption;
};

// A line of the about dialog from (x1, y) to (x2, y), `pixels` wide.
struct Line {
    int x1;
    int x2;
    int y;
    int pixels;
    Rgb colour;
};

constexpr std::string_view kTitle = "Tovan 中国象棋";

namespace frmMain {

constexpr Twips kClient{0, 0, 10290, 8715};

// In the order the window creates them.
constexpr Control cmdSave{"cmdSave", "保存", {8760, 2640, 1335, 375}};
constexpr Control cmdUndo{"cmdUndo", "悔棋", {8760, 1680, 1335, 375}};
constexpr Control cmdAbort{"cmdAbort", "认输", {8760, 1200, 1335, 375}};
constexpr Control cmdStart{"cmdStart", "开局", {8760, 720, 1335, 375}};
constexpr Control Frame1{"Frame1", "棋盘", {1320, 600, 7215, 7935}};
constexpr Control Label2{"Label2", "红行", {240, 1080, 855, 1695}};
constexpr Control Label1{"Label1", "tovan 中国象棋", {600, 0, 2775, 615}};

// Label1's font, red; its Chinese characters come from Label2's family. Label2's font, blue, in
// the GB2312 character set; its text wraps to one character per line.
constexpr Font kTitleFont{"Tahoma", 26.25, {255, 0, 0}};
constexpr Font kStatusFont{"宋体", 42, {0, 0, 255}};

// The board points inside Frame1: point 0 at (kPointsLeft, kPointsTop), kPointPitch apart.
constexpr int kPointsLeft = 360;
constexpr int kPointsTop = 360;
constexpr int kPointPitch = 720;

constexpr MenuItem mnChess{"mnChess", "中国象棋(&C)"};
constexpr MenuItem mnStart{"mnStart", "开局(&N)"};
constexpr MenuItem mnAbort{"mnAbort", "认输(&A)"};
constexpr MenuItem mnUndo{"mnUndo", "悔棋(&U)"};
constexpr MenuItem mnSave{"mnSave", "保存(&S)"};
constexpr MenuItem mnExit{"mnExit", "退出(&X)"};
constexpr MenuItem mnHelp{"mnHelp", "帮助(&H)"};
constexpr MenuItem mnAbout{"mnAbout", "关于(&A)"};
// The shortcut of mnStart, in the portable form both toolkits read.
constexpr std::string_view kStartShortcut = "Ctrl+N";

// The bare-board drawing of each point, as two-digit numbers, row by row from the top.
// clang-format off
constexpr std::array<std::string_view, 90> kTags{
    "00", "01", "01", "04", "01", "06", "01", "01", "09",
    "10", "11", "11", "11", "15", "11", "11", "11", "19",
    "10", "11", "11", "24", "11", "26", "11", "11", "19",
    "10", "11", "11", "11", "11", "11", "11", "11", "19",
    "10", "91", "91", "91", "91", "91", "91", "91", "19",
    "10", "01", "01", "01", "01", "01", "01", "01", "19",
    "10", "11", "11", "11", "11", "11", "11", "11", "19",
    "10", "11", "11", "74", "11", "76", "11", "11", "19",
    "10", "11", "11", "11", "15", "11", "11", "11", "19",
    "90", "91", "91", "94", "91", "96", "91", "91", "99",
};
// clang-format on

// The tag of point `cell` (0..89) read as a number: the picture-bank index of its drawing.
constexpr int pointTag(int cell) {
    const std::string_view tag = kTags.at(static_cast<std::size_t>(cell));
    return (tag[0] - '0') * 10 + (tag[1] - '0');
}

} // namespace frmMain

namespace frmAbout {

constexpr std::string_view kCaption = "关于 tovan中国象棋";
constexpr Twips kClient{0, 0, 5730, 3120};

// In the order the dialog creates them; Line1 comes between cmdOK and lblDescription
// (index 1) and between lblTitle and lblVersion (index 0).
constexpr Control picIcon{"picIcon", "", {240, 240, 540, 540}};
constexpr Control cmdOK{"cmdOK", "确定", {4125, 2625, 1500, 345}};
constexpr Control lblDescription{"lblDescription", "作者：tovan 工作室", {1050, 1125, 3885, 1170}};
constexpr Control lblTitle{"lblTitle", "tovan中国象棋", {1050, 240, 3885, 480}};
constexpr Control lblVersion{"lblVersion", "版本...", {1050, 780, 3885, 225}};
constexpr Control lblDisclaimer{
    "lblDisclaimer", "本软件受著作权法保护，未经许可不得复制。", {255, 2625, 3630, 345}};

// The etched separator: a grey line over a white one.
constexpr std::array<Line, 2> Line1{
    {{105, 5654, 2460, 2, {255, 255, 255}}, {90, 5654, 2445, 1, {128, 128, 128}}}};

// The line's rectangle in pixels at `dpi`.
constexpr Pixels toPixels(const Line& line, int dpi = kStandardDpi) {
    const int left = design::toPixels(line.x1, dpi);
    return {left, design::toPixels(line.y, dpi), design::toPixels(line.x2, dpi) - left,
            line.pixels * dpi / kStandardDpi};
}

// "版本 major.minor.revision", each number in decimal without leading zeros.
std::string versionLine(int major, int minor, int revision);

} // namespace frmAbout

} // namespace xiangqi::design

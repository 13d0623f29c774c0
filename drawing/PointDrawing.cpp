#include "PointDrawing.h"

#include "Colours.h"
#include "Palette.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace xiangqi::drawing {

namespace {

constexpr int kBoardIndex = 0;
constexpr int kLineIndex = 1;

// The pixels an arm covers across its direction of travel `step`: the lines' band for 0, else
// the band and the half of the picture on that side.
std::pair<int, int> span(const design::PointGeometry& geometry, int step) {
    const int start = geometry.lineStart();
    const int end = start + geometry.lineWidth();
    if (step < 0)
        return {0, end};
    if (step > 0)
        return {start, geometry.pictureSide()};
    return {start, end};
}

// The pixels of row `y` on the diagonal through the middle that falls to the right (`slope` 1)
// or rises to the right (-1): as many as a straight line is wide, centred on the diagonal.
std::pair<int, int> diagonalRun(const design::PointGeometry& geometry, int y, int slope) {
    const int left = y - geometry.lineWidth() / 2;
    if (slope > 0)
        return {left, left + geometry.lineWidth()};
    const int mirroredRight = geometry.pictureSide() - left;
    return {mirroredRight - geometry.lineWidth(), mirroredRight};
}

void fillRun(QImage& picture, int y, int left, int right) {
    left = std::max(left, 0);
    right = std::min(right, picture.width());
    if (left < right)
        std::fill(picture.scanLine(y) + left, picture.scanLine(y) + right, uchar(kLineIndex));
}

} // namespace

PointDrawing::PointDrawing(int code) : reach_(reachOf(code)) {}

// Row and column are decoded separately; a diagonal is drawn wherever a vertical and a
// horizontal diagonal direction are both allowed.
PointDrawing::Reach PointDrawing::reachOf(int code) {
    Reach reach;
    switch (code / 10) {
    case 0: // top edge: a diagonal can only point down into the board
        reach.down = reach.diagonalsDown = true;
        break;
    case 1:
        reach.up = reach.down = reach.diagonalsUp = reach.diagonalsDown = true;
        break;
    case 2:
        reach.up = reach.down = reach.diagonalsUp = true;
        break;
    case 7:
        reach.up = reach.down = reach.diagonalsDown = true;
        break;
    case 9: // bottom edge
        reach.up = reach.diagonalsUp = true;
        break;
    default:
        throw std::invalid_argument("no such board row");
    }
    switch (code % 10) {
    case 0:
        reach.right = true;
        break;
    case 1:
        reach.left = reach.right = true;
        break;
    case 4:
        reach.left = reach.right = reach.diagonalsRight = true;
        break;
    case 5:
        reach.left = reach.right = reach.diagonalsLeft = reach.diagonalsRight = true;
        break;
    case 6:
        reach.left = reach.right = reach.diagonalsLeft = true;
        break;
    case 9:
        reach.left = true;
        break;
    default:
        throw std::invalid_argument("no such board column");
    }
    return reach;
}

// A line from the middle to the edge of the picture: straight when one of the steps is 0,
// else diagonal, one run of pixels a row.
void PointDrawing::drawArm(QImage& picture, const design::PointGeometry& geometry, int stepX,
                           int stepY) {
    const auto [top, bottom] = span(geometry, stepY);
    for (int y = top; y < bottom; ++y) {
        const auto [left, right] = stepX != 0 && stepY != 0
                                       ? diagonalRun(geometry, y, stepX * stepY)
                                       : span(geometry, stepX);
        fillRun(picture, y, left, right);
    }
}

QImage PointDrawing::image(qreal ratio) const {
    const design::PointGeometry geometry(ratio);
    QImage picture(geometry.pictureSide(), geometry.pictureSide(), QImage::Format_Indexed8);
    picture.setColorTable(Palette().add(kBoardGrey).add(kBlack).table(256));
    picture.fill(kBoardIndex);
    const auto drawArmIf = [&](bool wanted, int stepX, int stepY) {
        if (wanted) {
            drawArm(picture, geometry, stepX, stepY);
        }
    };
    drawArmIf(reach_.up, 0, -1);
    drawArmIf(reach_.down, 0, 1);
    drawArmIf(reach_.left, -1, 0);
    drawArmIf(reach_.right, 1, 0);
    drawArmIf(reach_.diagonalsUp && reach_.diagonalsLeft, -1, -1);
    drawArmIf(reach_.diagonalsUp && reach_.diagonalsRight, 1, -1);
    drawArmIf(reach_.diagonalsDown && reach_.diagonalsLeft, -1, 1);
    drawArmIf(reach_.diagonalsDown && reach_.diagonalsRight, 1, 1);
    return picture;
}

} // namespace xiangqi::drawing

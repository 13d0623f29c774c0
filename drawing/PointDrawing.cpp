#include "PointDrawing.h"

#include "Colours.h"
#include "Palette.h"

#include <stdexcept>

namespace xiangqi::drawing {

namespace {

constexpr int kCentre = PointDrawing::kSize / 2;
constexpr int kBoardIndex = 0;
constexpr int kLineIndex = 1;

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

// A one-pixel line from the centre pixel to the edge of the picture.
void PointDrawing::drawArm(QImage& picture, int stepX, int stepY) {
    for (int k = 0; k <= kCentre; ++k) {
        picture.setPixel(kCentre + k * stepX, kCentre + k * stepY, kLineIndex);
    }
}

QImage PointDrawing::image() const {
    QImage picture(kSize, kSize, QImage::Format_Indexed8);
    picture.setColorTable(Palette().add(kBoardGrey).add(kBlack).table(256));
    picture.fill(kBoardIndex);
    const auto drawArmIf = [&picture](bool wanted, int stepX, int stepY) {
        if (wanted) {
            drawArm(picture, stepX, stepY);
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

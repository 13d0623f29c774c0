#include "MoveNotation.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace xiangqi {

namespace {
using namespace piece;

constexpr std::array<std::string_view, 9> kChineseNumerals{"一", "二", "三", "四", "五",
                                                           "六", "七", "八", "九"};

// A number from 1 to 9 as the side writes it.
std::string_view numeral(std::uint8_t side, int number) {
    constexpr std::array<std::string_view, 9> kDigits{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return (side == kRedSide ? kChineseNumerals : kDigits).at(static_cast<std::size_t>(number - 1));
}

// Files are numbered from the side's own right: red sits below the board, black above it.
int fileOf(std::uint8_t side, int col) {
    return side == kRedSide ? cell::kCols - col : col + 1;
}

// Rows towards the other side, front first.
int forwardOf(std::uint8_t side) {
    return side == kRedSide ? -1 : 1;
}

// The rows of the points on `col` holding `code`, front first as seen by its side.
std::vector<int> rowsOnFile(const Board& board, std::uint8_t code, int col) {
    std::vector<int> rows;
    for (int row = 0; row < cell::kRows; ++row)
        if (board(row, col) == code)
            rows.push_back(row);
    if (forwardOf(sideOf(code)) > 0)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

// The files other than `col` on which two or more of the soldiers `code` stand.
bool soldiersDoubledElsewhere(const Board& board, std::uint8_t code, int col) {
    for (int other = 0; other < cell::kCols; ++other)
        if (other != col && rowsOnFile(board, code, other).size() > 1)
            return true;
    return false;
}

// The place of the moving piece among `count` like pieces on its file, `index` from the front:
// 前/后 for two, 前/中/后 for three, and for four or five soldiers their number from the front,
// in Chinese numerals for either side: black's digits number only files and distances.
std::string_view placeAmong(std::size_t index, std::size_t count) {
    if (count == 2)
        return index == 0 ? "前" : "后";
    if (count == 3)
        return std::array<std::string_view, 3>{"前", "中", "后"}[index];
    return kChineseNumerals.at(index);
}

// The first two characters: the piece and its file, or its place among like pieces on the file
// and the piece. Advisors and elephants need no place: of two on one file, only the front one
// can go back and only the back one forward. Where soldiers stand doubled on two files, the file
// takes the place of the soldier's character.
std::string pieceAndFile(const Board& board, std::uint8_t code, int row, int col) {
    const std::uint8_t side = sideOf(code);
    const int kind = kindOf(code);
    const std::vector<int> rows = rowsOnFile(board, code, col);
    const bool placed =
        rows.size() > 1 && kind != kindOf(kRedAdvisor) && kind != kindOf(kRedElephant);
    if (!placed)
        return std::string(characterOf(code)).append(numeral(side, fileOf(side, col)));

    const auto index =
        static_cast<std::size_t>(std::find(rows.begin(), rows.end(), row) - rows.begin());
    std::string text(placeAmong(index, rows.size()));
    if (kind == kindOf(kRedSoldier) && soldiersDoubledElsewhere(board, code, col))
        return text.append(numeral(side, fileOf(side, col)));
    return text.append(characterOf(code));
}

// Pieces that move along files and ranks give the number of rows they go forward or back;
// the others, moving slantwise, give the file they arrive on.
bool movesStraight(int kind) {
    return kind == kindOf(kRedKing) || kind == kindOf(kRedChariot) || kind == kindOf(kRedCannon) ||
           kind == kindOf(kRedSoldier);
}
} // namespace

std::string MoveNotation(const Board& board, int from, int to) {
    const std::uint8_t code = board.at(from);
    const std::uint8_t side = sideOf(code);
    const int fromRow = cell::rowOf(from), fromCol = cell::colOf(from);
    const int toRow = cell::rowOf(to), toCol = cell::colOf(to);

    std::string text = pieceAndFile(board, code, fromRow, fromCol);
    const int forwardRows = (toRow - fromRow) * forwardOf(side);
    if (forwardRows == 0)
        return text.append("平").append(numeral(side, fileOf(side, toCol)));
    text.append(forwardRows > 0 ? "进" : "退");
    if (movesStraight(kindOf(code)))
        return text.append(numeral(side, std::abs(forwardRows)));
    return text.append(numeral(side, fileOf(side, toCol)));
}

} // namespace xiangqi

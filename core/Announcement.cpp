#include "Announcement.h"

#include "MoveNotation.h"

namespace xiangqi::announcement {

namespace {
std::string sideWord(std::uint8_t side) {
    return side == piece::kBlackSide ? "黑方" : "红方";
}
} // namespace

std::string pieceName(std::uint8_t code) {
    if (!piece::isPiece(code))
        return {};
    return std::string(piece::sideNameOf(piece::sideOf(code))).append(piece::characterOf(code));
}

std::string placeName(int cell, std::string_view between) {
    return "第" + std::to_string(cell::rowOf(cell) + 1) + "行" + std::string(between) + "第" +
           std::to_string(cell::colOf(cell) + 1) + "列";
}

std::string pointName(std::uint8_t code, int cell) {
    const std::string occupant = piece::isPiece(code) ? pieceName(code) : "空位";
    return occupant + "，" + placeName(cell, "，");
}

std::string move(const Board& board, int from, int to) {
    std::string text = std::string(piece::sideNameOf(piece::sideOf(board.at(from)))) +
                       MoveNotation(board, from, to) + "，从" + placeName(from) + "到" +
                       placeName(to);
    if (const std::uint8_t captured = board.at(to); captured != piece::kEmpty)
        text += "，吃" + pieceName(captured);
    return text;
}

std::string pickedUp(std::uint8_t code) {
    return "拿起" + pieceName(code);
}

std::string putBack(std::uint8_t code) {
    return "放下" + pieceName(code);
}

std::string refused(std::uint8_t code) {
    return pieceName(code) + "不能这样走";
}

std::string toMove(std::uint8_t side) {
    return "轮到" + sideWord(side);
}

std::string lost(std::uint8_t side) {
    return sideWord(side) + "输了";
}

std::string resigned(std::uint8_t side) {
    return then(sideWord(side) + "认输", lost(side));
}

std::string takenBack(const std::string& move, std::uint8_t side) {
    return then("悔棋，收回" + move, toMove(side));
}

std::string gameEnded(std::uint8_t loser) {
    return then("对局已经结束", lost(loser));
}

std::string newGame() {
    return then("新的一局开始", toMove(piece::kRedSide));
}

std::string then(const std::string& first, const std::string& second) {
    return first + "。" + second;
}

} // namespace xiangqi::announcement

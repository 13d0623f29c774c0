#include "Board.h"

namespace xiangqi {

namespace {
using namespace piece;

constexpr std::array<std::array<std::uint8_t, cell::kCols>, cell::kRows> kInitialPosition{{
    {kBlackChariot, kBlackHorse, kBlackElephant, kBlackAdvisor, kBlackKing, kBlackAdvisor,
     kBlackElephant, kBlackHorse, kBlackChariot},
    {},
    {0, kBlackCannon, 0, 0, 0, 0, 0, kBlackCannon, 0},
    {kBlackSoldier, 0, kBlackSoldier, 0, kBlackSoldier, 0, kBlackSoldier, 0, kBlackSoldier},
    {},
    {},
    {kRedSoldier, 0, kRedSoldier, 0, kRedSoldier, 0, kRedSoldier, 0, kRedSoldier},
    {0, kRedCannon, 0, 0, 0, 0, 0, kRedCannon, 0},
    {},
    {kRedChariot, kRedHorse, kRedElephant, kRedAdvisor, kRedKing, kRedAdvisor, kRedElephant,
     kRedHorse, kRedChariot},
}};
} // namespace

void Board::set(int row, int col, std::uint8_t code) {
    assert(row >= 0 && row < cell::kRows && col >= 0 && col < cell::kCols);
    points_[slot(row, col)] = code;
}

void Board::setInitialPosition() {
    for (int row = 0; row < cell::kRows; ++row)
        for (int col = 0; col < cell::kCols; ++col)
            set(row, col, kInitialPosition[row][col]);
}

} // namespace xiangqi

#include "Game.h"

#include "Announcement.h"
#include "MoveRules.h"
#include "RecordText.h"

namespace xiangqi {

namespace {
constexpr std::string_view kStartStatus = "红行";
constexpr std::string_view kToMove = "行";
constexpr std::string_view kLost = "死";
constexpr std::string_view kAskNewGame = "是否放弃本局?";
constexpr std::string_view kAskResign = "你真的要认输吗?";
constexpr std::string_view kTooManyMoves = "你在下什么??竟会走一千步!!重新开局!!!!";
constexpr std::string_view kSaved = "保存完毕。";
constexpr std::string_view kSaveFailed = "保存文件错误！";
constexpr std::string_view kRecordFilter = "Tovan 中国象棋存盘文件(*.tvq)|*.tvq";

bool answeredNo(MessageAnswer answer) {
    return answer == MessageAnswer::No;
}
} // namespace

void Game::Form_Load() {
    toolkit_.setBusyPointer(true);
    Init();
    toolkit_.setSaveDialogCancelError(true);
    toolkit_.setBusyPointer(false);
}

void Game::Init() {
    s_.Board.setInitialPosition();
    for (int i = 0; i < cell::kCount; ++i)
        showPoint(i);

    toolkit_.setPointBorder(s_.SelCell, false);
    s_.PieceSelected = false;
    s_.SideToMove = piece::kRedSide;
    s_.GameOver = false;
    s_.MoveCount = 0;

    setCommandPair(Command::cmdAbort, Command::mnAbort, true);
    setCommandPair(Command::cmdUndo, Command::mnUndo, false);
    setCommandPair(Command::cmdSave, Command::mnSave, false);
    toolkit_.setStatusText(kStartStatus);
}

void Game::Image1_Click(int index) {
    if (!cell::isValid(index))
        return;
    const int row = cell::rowOf(index);
    const int col = cell::colOf(index);

    if (!s_.PieceSelected) {
        if (s_.GameOver) {
            toolkit_.announce([&] { return announcement::gameEnded(s_.SideToMove); });
            return;
        }
        s_.SelSide = piece::sideOf(s_.Board(row, col));
        if (s_.SelSide == s_.SideToMove)
            selectPiece(index, row, col);
        else
            toolkit_.announce([&] { return announcement::toMove(s_.SideToMove); });
        return;
    }

    dropSelection();
    s_.ScreenCount = 0;
    if (piece::sideOf(s_.Board(row, col)) == s_.SelSide || (row == s_.SelRow && col == s_.SelCol)) {
        toolkit_.announce([&] { return announcement::putBack(s_.SelPiece); });
        return;
    }
    tryMove(index, row, col);
}

void Game::selectPiece(int index, int row, int col) {
    toolkit_.setPointBorder(index, true);
    s_.PieceSelected = true;
    s_.SelPiece = s_.Board(row, col);
    s_.SelRow = static_cast<std::uint8_t>(row);
    s_.SelCol = static_cast<std::uint8_t>(col);
    s_.SelCell = static_cast<std::uint8_t>(index);
    toolkit_.announce([&] { return announcement::pickedUp(s_.SelPiece); });
}

// The move limit is tested before the rules, so at 999 moves selecting still works and only a
// real move attempt is stopped.
void Game::tryMove(int index, int row, int col) {
    if (s_.MoveCount == GameState::kMaxMoves) {
        toolkit_.messageBox(kTooManyMoves, MessageButtons::Ok);
        return;
    }
    if (MoveAllowed(s_.Board, s_.SelPiece, s_.SelRow, s_.SelCol, row, col, s_.ScreenCount))
        executeMove(index, row, col);
    else
        toolkit_.announce([&] { return announcement::refused(s_.SelPiece); });
}

void Game::executeMove(int index, int row, int col) {
    ++s_.MoveCount;
    const std::uint8_t target = s_.Board(row, col);
    if (target == piece::kBlackKing || target == piece::kRedKing)
        s_.GameOver = true;

    s_.HistCaptured[s_.MoveCount] = target;
    s_.HistFrom[s_.MoveCount] = s_.SelCell;
    s_.HistTo[s_.MoveCount] = static_cast<std::uint8_t>(index);

    s_.Board.set(row, col, s_.SelPiece);
    s_.Board.set(s_.SelRow, s_.SelCol, piece::kEmpty);
    toolkit_.setPointPicture(index, s_.SelPiece);
    toolkit_.setPointPicture(s_.SelCell, toolkit_.pointTag(s_.SelCell));

    s_.PieceSelected = false;
    s_.ScreenCount = 0;
    s_.SideToMove = piece::otherSide(s_.SideToMove);
    setSideName(s_.SideToMove);

    if (s_.GameOver) {
        showGameEnded();
    } else {
        toolkit_.setStatusText(s_.SideName + std::string(kToMove));
        setCommandPair(Command::cmdUndo, Command::mnUndo, true);
    }
    toolkit_.announce([&] {
        return announcement::then(
            announcement::move(positionBeforeLastMove(), s_.HistFrom[s_.MoveCount], index),
            outcomeOrTurn());
    });
}

void Game::mnUndo_Click() {
    if (s_.MoveCount < 1)
        return;
    const int k = s_.MoveCount;

    s_.GameOver = false;
    dropSelection();

    const int fromCell = s_.HistFrom[k];
    const int toCell = s_.HistTo[k];
    s_.Board = positionBeforeLastMove();

    toolkit_.setPointPicture(fromCell, s_.Board.at(fromCell));
    showPoint(toCell);

    s_.SideToMove = piece::otherSide(s_.SideToMove);
    setSideName(s_.SideToMove);
    toolkit_.setStatusText(s_.SideName + std::string(kToMove));
    setCommandPair(Command::cmdAbort, Command::mnAbort, true);

    --s_.MoveCount;
    if (s_.MoveCount == 0)
        setCommandPair(Command::cmdUndo, Command::mnUndo, false);
    toolkit_.announce([&] {
        return announcement::takenBack(announcement::move(s_.Board, fromCell, toCell),
                                       s_.SideToMove);
    });
}

void Game::mnStart_Click() {
    if (answeredNo(toolkit_.messageBox(kAskNewGame, MessageButtons::YesNo)))
        return;
    Init();
    toolkit_.announce(announcement::newGame);
}

// The side to move resigns. A selection pending at that moment is dropped, so no piece can move
// in the ended game.
void Game::mnAbort_Click() {
    if (answeredNo(toolkit_.messageBox(kAskResign, MessageButtons::YesNo)))
        return;
    if (s_.PieceSelected)
        dropSelection();
    s_.GameOver = true;
    setSideName(s_.SideToMove);
    showGameEnded();
    toolkit_.announce([&] { return announcement::resigned(s_.SideToMove); });
}

void Game::mnSave_Click() {
    const std::optional<std::string> path = toolkit_.showSaveDialog(kRecordFilter);
    if (!path)
        return;
    const bool written = toolkit_.writeTextFile(*path, RecordText(s_));
    toolkit_.messageBox(written ? kSaved : kSaveFailed, MessageButtons::Ok);
}

void Game::mnExit_Click() {
    toolkit_.end();
}

void Game::mnAbout_Click() {
    toolkit_.showAboutDialog();
}

void Game::announceStatus() {
    toolkit_.announce([this] { return outcomeOrTurn(); });
}

// The last history entry undone: its piece back on its origin, what it took back on its target.
Board Game::positionBeforeLastMove() const {
    const int k = s_.MoveCount;
    const int from = s_.HistFrom[k], to = s_.HistTo[k];
    Board board = s_.Board;
    board.set(cell::rowOf(from), cell::colOf(from), board.at(to));
    board.set(cell::rowOf(to), cell::colOf(to), s_.HistCaptured[k]);
    return board;
}

// When a game ends, by a king taken or by resignation, the side to move is the one that lost.
std::string Game::outcomeOrTurn() const {
    return s_.GameOver ? announcement::lost(s_.SideToMove) : announcement::toMove(s_.SideToMove);
}

// A point shows the picture of its piece, or else the bare-board drawing named by its tag.
void Game::showPoint(int cell) {
    const std::uint8_t code = s_.Board.at(cell);
    toolkit_.setPointPicture(cell, code != piece::kEmpty ? code : toolkit_.pointTag(cell));
}

void Game::dropSelection() {
    toolkit_.setPointBorder(s_.SelCell, false);
    s_.PieceSelected = false;
}

void Game::setSideName(std::uint8_t side) {
    s_.SideName = piece::sideNameOf(side);
}

void Game::setCommandPair(Command button, Command menuItem, bool enabled) {
    toolkit_.enableCommand(button, enabled);
    toolkit_.enableCommand(menuItem, enabled);
}

void Game::showGameEnded() {
    toolkit_.setStatusText(s_.SideName + std::string(kLost));
    setCommandPair(Command::cmdAbort, Command::mnAbort, false);
    setCommandPair(Command::cmdUndo, Command::mnUndo, false);
    setCommandPair(Command::cmdSave, Command::mnSave, true);
}

} // namespace xiangqi

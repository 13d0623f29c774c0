#pragma once

#include "GameState.h"
#include "Toolkit.h"

namespace xiangqi {

// The game logic of the main window: start-up, the board clicks and the game commands. It owns
// the game state and reaches the screen, the user and the disk only through its Toolkit.
// Handlers keep the names of the window events that run them.
class Game {
public:
    explicit Game(Toolkit& toolkit) : toolkit_(toolkit) {}

    // Start-up: under the busy pointer, sets up a new game and arms the Save-As dialog.
    void Form_Load();
    // Post: the initial position on all 90 points, red to move, nothing selected, an empty
    // history; resignation available, take-back and save not; status "红行".
    void Init();

    // A click on board point `index`: selects a piece of the side to move, or tries to move the
    // selected piece there. Indices outside 0..89 are ignored.
    void Image1_Click(int index);

    void mnStart_Click();
    void mnAbort_Click();
    // Takes back the last move; does nothing when there is none.
    void mnUndo_Click();
    void mnSave_Click();
    void mnExit_Click();
    void mnAbout_Click();
    // Tells a screen reader's user whose move it is, or who lost.
    void announceStatus();

    const GameState& state() const { return s_; }

private:
    void selectPiece(int index, int row, int col);
    void tryMove(int index, int row, int col);
    void executeMove(int index, int row, int col);
    void showPoint(int cell);
    void dropSelection();
    void setSideName(std::uint8_t side);
    void setCommandPair(Command button, Command menuItem, bool enabled);
    void showGameEnded();
    Board positionBeforeLastMove() const;
    std::string outcomeOrTurn() const;

    Toolkit& toolkit_;
    GameState s_;
};

} // namespace xiangqi

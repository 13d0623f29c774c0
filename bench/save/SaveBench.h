#pragma once

#include "GameState.h"
#include "Samples.h"

#include <QString>

namespace bench {

// Saves a game record of the longest game, 999 moves, again and again into one folder, timing
// each save from the formatting of the record to the committed file. The game's way formats
// the record with RecordText and writes it with RecordFile::write; the bare way writes the
// same bytes, formatted beforehand, with a plain QSaveFile.
class SaveBench {
public:
    static constexpr int kSaves = 30;

    explicit SaveBench(const QString& folder);

    // Pre: the folder exists. False when a save failed.
    bool runGame();
    bool runBare();
    // The save times in milliseconds.
    const Samples& times() const { return times_; }

private:
    static xiangqi::GameState longestGame();

    QString path_;
    xiangqi::GameState state_;
    Samples times_;
};

} // namespace bench

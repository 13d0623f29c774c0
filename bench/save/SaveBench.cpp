#include "SaveBench.h"

#include "RecordFile.h"
#include "RecordText.h"

#include <QSaveFile>
#include <chrono>

namespace bench {

namespace {
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}
} // namespace

SaveBench::SaveBench(const QString& folder)
    : path_(folder + QStringLiteral("/bench.tvq")), state_(longestGame()) {}

bool SaveBench::runGame() {
    for (int k = 0; k < kSaves; ++k) {
        const auto start = Clock::now();
        const std::string text = xiangqi::RecordText(state_);
        if (!xiangqi::RecordFile::write(path_.toStdString(), text))
            return false;
        times_.add(millisecondsSince(start));
    }
    return true;
}

bool SaveBench::runBare() {
    const std::string text = xiangqi::RecordText(state_);
    for (int k = 0; k < kSaves; ++k) {
        const auto start = Clock::now();
        QSaveFile file(path_);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(text.data(), static_cast<qint64>(text.size()));
        if (!file.commit())
            return false;
        times_.add(millisecondsSince(start));
    }
    return true;
}

// Moves with one- and two-digit points and a capture on every third move, as records have.
xiangqi::GameState SaveBench::longestGame() {
    xiangqi::GameState state;
    state.MoveCount = xiangqi::GameState::kMaxMoves;
    for (int k = 1; k <= state.MoveCount; ++k) {
        state.HistFrom[k] = static_cast<std::uint8_t>(k * 7 % 90);
        state.HistTo[k] = static_cast<std::uint8_t>(k * 13 % 90);
        state.HistCaptured[k] = static_cast<std::uint8_t>(k % 3 == 0 ? 60 + k % 7 : 0);
    }
    return state;
}

} // namespace bench

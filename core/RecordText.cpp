#include "RecordText.h"

namespace xiangqi {

std::string RecordText(const GameState& state) {
    std::string text;
    text.reserve(static_cast<std::size_t>(state.MoveCount) * 10);
    for (int k = 1; k <= state.MoveCount; ++k) {
        text += std::to_string(state.HistFrom[k]);
        text += ',';
        text += std::to_string(state.HistTo[k]);
        text += ',';
        text += std::to_string(state.HistCaptured[k]);
        text += "\r\n";
    }
    return text;
}

} // namespace xiangqi

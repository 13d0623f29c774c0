#include "WaitingAnnouncements.h"

#include "Announcement.h"

#include <numeric>
#include <utility>

namespace xiangqi {

bool WaitingAnnouncements::add(std::string text) {
    texts_.push_back(std::move(text));
    return texts_.size() == 1;
}

void WaitingAnnouncements::windowActivated() {
    if (texts_.empty())
        backFromAnotherProgram_ = false;
}

std::string WaitingAnnouncements::take() {
    if (std::exchange(backFromAnotherProgram_, false))
        texts_.erase(texts_.begin(), texts_.end() - 1);
    std::string text =
        std::accumulate(texts_.begin() + 1, texts_.end(), texts_.front(), announcement::then);
    texts_.clear();
    return text;
}

} // namespace xiangqi

#include "PaintTally.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace bench {

void PaintTally::print(const QString& title) const {
    std::vector<std::pair<int, QString>> byCount;
    for (const auto& [summary, count] : counts_)
        byCount.emplace_back(count, summary);
    std::sort(byCount.begin(), byCount.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    std::fprintf(stderr, "%s\n", qPrintable(title));
    for (const auto& [count, summary] : byCount)
        std::fprintf(stderr, "  %5d × %s\n", count, qPrintable(summary));
}

} // namespace bench

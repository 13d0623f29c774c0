#include "Samples.h"

#include <algorithm>
#include <numeric>

namespace bench {

double Samples::median() const {
    std::vector<double> sorted = values_;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    if (sorted.size() % 2 == 1)
        return sorted[middle];
    return (sorted[middle - 1] + sorted[middle]) / 2;
}

double Samples::mean() const {
    return std::accumulate(values_.begin(), values_.end(), 0.0) /
           static_cast<double>(values_.size());
}

} // namespace bench

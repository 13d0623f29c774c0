#pragma once

#include <cstddef>
#include <vector>

namespace bench {

// The values one figure took, one per launch or one per repetition.
class Samples {
public:
    void add(double value) { values_.push_back(value); }
    std::size_t size() const { return values_.size(); }
    // Pre: size() > 0. The middle value, or the mean of the two middle ones.
    double median() const;
    // Pre: size() > 0.
    double mean() const;
    // The values in the order they were added.
    const std::vector<double>& values() const { return values_; }

private:
    std::vector<double> values_;
};

} // namespace bench

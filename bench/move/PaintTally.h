#pragma once

#include <QString>
#include <map>

namespace bench {

// How often each kind of repaint happened over many moves, printed most frequent first.
class PaintTally {
public:
    void add(const QString& summary) { ++counts_[summary]; }
    // Prints the tally to stderr under `title`.
    void print(const QString& title) const;

private:
    std::map<QString, int> counts_;
};

} // namespace bench

#pragma once

#include "Samples.h"

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// Runs this very program again once per launch, taking the variants in turn (A B C A B C ...),
// and gathers the figures each launch prints on stdout as lines "= NAME VALUE". A launch runs as
// `PROGRAM VARIANT`, or `PROGRAM VARIANT report` for the first launch of each variant, which
// may then print details on stderr; the others' stderr is shown only when they fail.
class InterleavedRuns {
public:
    explicit InterleavedRuns(std::vector<std::string> variants);

    // False when a launch failed (exited other than with 0); the others are not run then.
    bool run(int launchesEach);
    // The values of figure `name` over the launches of `variant`.
    const Samples& samples(const std::string& variant, const std::string& name) const;

private:
    bool runOnce(const std::string& variant, bool report);
    void readFigures(const std::string& variant, int fd);
    static void echo(FILE* errors);

    std::vector<std::string> variants_;
    std::map<std::pair<std::string, std::string>, Samples> samples_;
};

} // namespace bench

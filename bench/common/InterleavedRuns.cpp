#include "InterleavedRuns.h"

#include <cstdio>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

InterleavedRuns::InterleavedRuns(std::vector<std::string> variants)
    : variants_(std::move(variants)) {}

bool InterleavedRuns::run(int launchesEach) {
    const std::size_t count = variants_.size();
    for (std::size_t launch = 0; launch < count * std::size_t(launchesEach); ++launch)
        if (!runOnce(variants_[launch % count], launch < count))
            return false;
    return true;
}

const Samples& InterleavedRuns::samples(const std::string& variant, const std::string& name) const {
    const auto found = samples_.find({variant, name});
    if (found == samples_.end())
        throw std::runtime_error("no figure " + name + " from " + variant);
    return found->second;
}

// Only a report launch speaks on stderr at once; the others keep what they say for the case
// they fail.
bool InterleavedRuns::runOnce(const std::string& variant, bool report) {
    int output[2];
    if (pipe(output) != 0)
        throw std::runtime_error("pipe failed");
    FILE* errors = report ? nullptr : std::tmpfile();
    const pid_t pid = fork();
    if (pid == 0) {
        if (errors)
            dup2(fileno(errors), STDERR_FILENO);
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execl("/proc/self/exe", "bench", variant.c_str(), report ? "report" : nullptr,
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output[1]);
    readFigures(variant, output[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const bool passed = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (errors) {
        if (!passed)
            echo(errors);
        std::fclose(errors);
    }
    return passed;
}

void InterleavedRuns::echo(FILE* errors) {
    std::rewind(errors);
    char line[512];
    while (std::fgets(line, sizeof line, errors))
        std::fputs(line, stderr);
}

void InterleavedRuns::readFigures(const std::string& variant, int fd) {
    FILE* input = fdopen(fd, "r");
    char name[64];
    double value = 0;
    while (std::fscanf(input, " = %63s %lf", name, &value) == 2)
        samples_[{variant, name}].add(value);
    std::fclose(input);
}

} // namespace bench

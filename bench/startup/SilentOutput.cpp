#include "SilentOutput.h"

#include <fcntl.h>
#include <unistd.h>

namespace bench {

void silenceOutput() {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    close(null);
}

} // namespace bench

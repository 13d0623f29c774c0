#pragma once

namespace bench {

// Sends this process's standard output and error to /dev/null: for a child just before exec.
void silenceOutput();

} // namespace bench

#pragma once

namespace bench {

// The CPU time this process has used so far, all threads, in microseconds.
double processCpuMicroseconds();

} // namespace bench

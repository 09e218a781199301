// The non-benchmark modes of tk_bench, for bench.sh.
#pragma once

namespace bench {

// Constructs the window on the built program folder, loads it once, prints the time and exits: a process
// whose peak memory is the start-up's.
int runStartupOnly();

// After start-up, lets the menu sit idle and counts timer events and wake-ups; prints the counts.
int runIdleCheck(double seconds);

} // namespace bench

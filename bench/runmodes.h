// The non-benchmark modes of tk_bench, for bench.sh.
#pragma once

class QString;

namespace bench {

// Constructs the window on the built program folder, loads it once, prints the time and exits: a process
// whose peak memory is the start-up's.
int runStartupOnly();

// Start-up at 1x, then the surface at the full-screen scale of a 2560 x 1600 screen (the 2x pictures),
// back to 1x and up again: a process whose peak memory is that of both picture sets in turn.
int runBothSets();

// Starts the program (its path) on the current display and reads, from its report, when its splash
// reached the screen; prints the milliseconds from starting it.
int runSplashTime(const QString& program);

// After start-up, lets the menu sit idle and counts timer events and wake-ups; prints the counts.
int runIdleCheck(double seconds);

} // namespace bench

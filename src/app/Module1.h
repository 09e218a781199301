// The start procedure of the program.
#pragma once

namespace Module1 {

// Shows the window with its splash, loads everything and runs the game; returns the exit status.
int Main(int argc, char** argv);

} // namespace Module1

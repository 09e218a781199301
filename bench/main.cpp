// tk_bench: Google Benchmark over the game's hot paths, plus two modes for bench.sh:
//   --startup-only          one cold start-up on the built program folder (for peak memory)
//   --idle-check[=seconds]  timer events and wake-ups of the idle main menu
#include "runmodes.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) qputenv("QT_LOGGING_RULES", "qt.multimedia*=false");

    std::vector<char*> args;
    bool startupOnly = false, idleCheck = false;
    double idleSeconds = 2.0;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--startup-only") == 0) {
            startupOnly = true;
        } else if (std::strncmp(argv[i], "--idle-check", 12) == 0) {
            idleCheck = true;
            if (argv[i][12] == '=') idleSeconds = std::stod(argv[i] + 13);
        } else {
            args.push_back(argv[i]);
        }
    }
    int n = static_cast<int>(args.size());
    args.push_back(nullptr);

    QApplication app(n, args.data());
    if (startupOnly) return bench::runStartupOnly();
    if (idleCheck) return bench::runIdleCheck(idleSeconds);

    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

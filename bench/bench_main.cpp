#include "platform/Runtime.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    RuntimeInit(argc, argv, /*headless=*/true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    RuntimeExit();
    return 0;
}

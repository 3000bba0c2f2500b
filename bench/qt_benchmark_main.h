#pragma once

// main() for Google Benchmark programs that need a Qt application (offscreen unless the
// caller chose a platform).

#include <QApplication>

#include <benchmark/benchmark.h>

#define QUINDLE_QT_BENCHMARK_MAIN()                                                                \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }

#include <benchmark/benchmark.h>

// The drawing benchmarks paint into the core's pictures, as every front end does.
BENCHMARK_MAIN();

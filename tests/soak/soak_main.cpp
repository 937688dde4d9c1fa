#include "Soak.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Runs each program's model and drawing headless for many passes (10 million
// unless a number is given) with every option switched on a schedule, and
// fails when a value stops being finite or resident memory grows.
int main(int argc, char* argv[])
{
    const std::int64_t passes = argc > 1 ? std::atoll(argv[1]) : 10'000'000;
    constexpr long allowedGrowthKb = 2048;

    bool sound = true;
    for (const SoakResult& r : std::vector<SoakResult>{soakChain(passes), soakWavePair(passes)}) {
        const bool flat = r.endRssKb - r.startRssKb <= allowedGrowthKb;
        std::printf("%s: %lld passes in %.1f s, %s %ld kB at start, %ld kB at end, peak RSS %ld kB; "
                    "largest |y| of the middle mass %.3g; values %s\n",
            r.program.c_str(), static_cast<long long>(r.passes), r.seconds, residentName(), r.startRssKb, r.endRssKb,
            r.peakRssKb, r.largestDisplacement, r.allFinite ? "all finite" : "NOT FINITE");
        sound = sound && flat && r.allFinite;
    }
    return sound ? EXIT_SUCCESS : EXIT_FAILURE;
}

#pragma once

#include <cstdint>
#include <string>

// What a soak of one program saw.
struct SoakResult {
    std::string program;
    std::int64_t passes = 0;
    double seconds = 0;
    long startRssKb = 0;
    long endRssKb = 0;
    long peakRssKb = 0;
    double largestDisplacement = 0;
    bool allFinite = true;
};

// Resident and peak memory of this process, in kB.
long residentKb();
long peakResidentKb();

// Runs KETTLAB's chain model and drawing for the given number of passes,
// switching every option on a schedule.
SoakResult soakChain(std::int64_t passes);

// The same for PAARLAB's wave pair.
SoakResult soakWavePair(std::int64_t passes);

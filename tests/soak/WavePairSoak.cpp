#include "Soak.hpp"

#include "core/Picture.hpp"
#include "wavepair/WavePairDisplay.hpp"
#include "wavepair/WavePairProgram.hpp"

SoakResult soakWavePair(std::int64_t passes)
{
    wavepair::WavePairProgram program;
    surface::Picture picture1;
    picture1.setSize(1009, 521, 1.0);
    picture1.setScale({-10, -3, 105, 6});
    picture1.setBackColor(wavepair::displayBackground);
    surface::Picture picture2;
    picture2.setSize(97, 81, 1.0);
    surface::Picture picture3;
    picture3.setSize(97, 177, 1.0);
    const wavepair::WavePairCanvases pictures{picture1, picture2, picture3};
    program.load(pictures);

    // Every control of the panel in turn, the bars at changing values; the
    // excitation's "On" also resumes, so the run never stays halted.
    const auto press = [&](int which) {
        switch (which % 8) {
        case 0:
            program.switchExcitation(picture1);
            break;
        case 1:
            program.switchReflector();
            break;
        case 2:
            program.switchTransverse(picture1);
            break;
        case 3:
            program.switchLongitudinal(pictures);
            break;
        case 4:
            program.setFrequency(1 + (which * 13) % 80);
            program.setAmplitude((which * 7) % 21);
            break;
        case 5:
            program.setSpeed(2 + (which * 3) % 39);
            program.haltOrResume(picture1);
            program.haltOrResume(picture1);
            break;
        case 6:
            program.markerMove(1 + which % 2, static_cast<float>(which % 105 - 10), picture1);
            program.handMove(1, static_cast<float>(which % 3 - 1));
            break;
        default:
            program.clear(picture1);
            break;
        }
    };
    return runSoak(
        "PAARLAB", passes, program.model(),
        [&] {
            program.pass(picture1);
        },
        press);
}

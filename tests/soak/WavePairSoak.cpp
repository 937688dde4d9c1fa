#include "Soak.hpp"

#include "core/Picture.hpp"
#include "core/RecorderForm.hpp"
#include "wavepair/WavePairDisplay.hpp"
#include "wavepair/WavePairProgram.hpp"

SoakResult soakWavePair(std::int64_t passes)
{
    wavepair::WavePairProgram program;
    core::Picture picture1;
    picture1.setSize(1009, 521, 1.0);
    picture1.setScale({-10, -3, 105, 6});
    picture1.setBackColor(wavepair::displayBackground);
    core::Picture picture2;
    picture2.setSize(97, 81, 1.0);
    core::Picture picture3;
    picture3.setSize(97, 177, 1.0);
    const wavepair::WavePairCanvases pictures{picture1, picture2, picture3};
    program.load(pictures);
    // The recorder open throughout: its ring fills and turns over, and its
    // plot and values are made at every switch.
    program.openRecorder();
    core::Recorder& recorder = *program.recorder();
    recorder.follow(0, 10);
    recorder.follow(1, 30);
    recorder.follow(2, 60);
    core::Picture plot;
    plot.setSize(632, 240, 1.0);

    // Every control of the panel in turn, the bars at changing values; the
    // excitation's "On" also resumes, so the run never stays halted.
    const auto press = [&](int which) {
        core::drawRecording(plot, recorder);
        recorder.setWindow(core::windowLengths.at(static_cast<std::size_t>(which) % core::windowLengths.size()));
        core::recorderView(recorder);
        // The third trace wanders along the chain, its dot coloured and given back.
        recorder.follow(2, which % (recorder.lastMass() + 1));
        program.showFollowed(picture1);
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

#include "Soak.hpp"

#include "chain/ChainDisplay.hpp"
#include "chain/ChainProgram.hpp"
#include "core/Picture.hpp"
#include "core/RecorderForm.hpp"

SoakResult soakChain(std::int64_t passes)
{
    chain::ChainProgram program;
    core::Picture picture;
    picture.setSize(993, 497, 1.0);
    picture.setScale(chain::chainScale);
    picture.setBackColor(chain::surfaceBackground);
    program.load(picture);
    // The recorder open throughout: its ring fills and turns over, and its
    // plot and values are made at every switch.
    program.openRecorder();
    core::Recorder& recorder = *program.recorder();
    recorder.follow(0, 10);
    recorder.follow(1, 30);
    recorder.follow(2, 60);
    core::Picture plot;
    plot.setSize(632, 240, 1.0);

    // Every control of the panel in turn, the bars at changing values.
    const auto press = [&](int which) {
        core::drawRecording(plot, recorder);
        recorder.setWindow(core::windowLengths.at(static_cast<std::size_t>(which) % core::windowLengths.size()));
        core::recorderView(recorder);
        // The third trace wanders along the chain, its dot coloured and given back.
        recorder.follow(2, which % (recorder.lastMass() + 1));
        program.showFollowed(picture);
        switch (which % 12) {
        case 0:
            program.switchHarmonic();
            break;
        case 1:
            program.switchDamping(picture);
            break;
        case 2:
            program.switchRefraction(picture);
            break;
        case 3:
            program.switchObstacle(picture);
            break;
        case 4:
            (which % 24 == 4 ? program.choosePendulum() : program.chooseBallSpring());
            break;
        case 5:
            program.setPeriod(10 + (which * 37) % 591);
            break;
        case 6:
            program.setAmplitude((which * 7) % 21);
            break;
        case 7:
            program.setSpeed(1 + (which * 3) % 10);
            break;
        case 8:
            program.clearVelocities();
            program.haltOrResume(picture);
            program.haltOrResume(picture);
            break;
        case 9:
            program.clearDisplacements(picture);
            break;
        case 10:
            program.switchClock();
            break;
        default:
            program.clear(picture);
            break;
        }
    };
    return runSoak(
        "KETTLAB", passes, program.model(),
        [&] {
            program.pass(picture);
        },
        press);
}

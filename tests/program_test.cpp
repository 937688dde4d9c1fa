#include "chain/ChainProgram.hpp"
#include "wavepair/WavePairProgram.hpp"

#include <gtest/gtest.h>

namespace {

// A canvas that draws nothing: these tests watch state and what the window is told.
class BlankCanvas : public core::Canvas {
public:
    void setDrawWidth(int pixels) override { width_ = pixels; }
    int DrawWidth() const override { return width_; }
    void PSet(float /*x*/, float /*y*/, core::Rgb /*colour*/) override { }
    void Line(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/) override { }
    void Line(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/, core::Rgb /*colour*/) override { }
    void LineBox(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/, core::Rgb /*colour*/) override { }
    void Cls() override { }
    core::Rgb BackColor() const override { return {}; }
    core::Rgb ForeColor() const override { return {}; }

private:
    int width_ = 1;
};

} // namespace

TEST(ChainProgram, TheClockShowsHundredthsOfTheSummedSteps)
{
    // Three steps of 0.15 add up to 0.44999999999999996, shown as 0.45.
    BlankCanvas picture;
    chain::ChainProgram program;
    program.load(picture);
    program.setSpeed(3);
    program.switchClock();
    EXPECT_EQ(program.view().command8, "   Stopp");
    for (int k = 0; k < 3; ++k) {
        program.pass(picture);
    }
    EXPECT_EQ(program.view().clock, 0.45);

    program.haltOrResume(picture);
    EXPECT_FALSE(program.pass(picture));
    EXPECT_EQ(program.view().clock, 0.45);
    EXPECT_EQ(program.view().command11, "Weiter");
    EXPECT_EQ(program.view().label6, "Halt");
}

TEST(WavePairProgram, ExcitationOnResumesAHaltedRun)
{
    BlankCanvas picture;
    wavepair::WavePairProgram program;
    program.haltOrResume(picture);
    EXPECT_FALSE(program.running());
    EXPECT_FALSE(program.pass(picture));
    program.switchExcitation(picture);
    EXPECT_TRUE(program.running());
    EXPECT_FALSE(program.view().halted);
    program.switchExcitation(picture);
    EXPECT_TRUE(program.running());
}

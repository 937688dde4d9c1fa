#pragma once

#include "FormDesign.hpp"
#include "Picture.hpp"
#include "Recorder.hpp"
#include "Rgb.hpp"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace core {

// The traces' colours, the three masses' and the driven end's: the blue and
// the orange of the Okabe-Ito set and Paul Tol's purple, which viewers with
// any of the common colour vision deficiencies tell apart, and black for the
// end, as its dot is drawn. All stand out on the plot's light yellow.
inline constexpr std::array<Rgb, traceCount> traceColours{
    RGB(0, 114, 178), RGB(213, 94, 0), RGB(170, 51, 119), RGB(0, 0, 0)};
// The scroll bars that choose the followed masses, a trace each.
inline constexpr std::array<const char*, followedMasses> massScrolls{"HScroll1", "HScroll2", "HScroll3"};
inline constexpr Rgb plotBackground = RGB(255, 255, 224);
inline constexpr Rgb gridColour = RGB(216, 216, 192);
// Grey, so the axes are not taken for the driven end's black trace.
inline constexpr Rgb axisColour = RGB(112, 112, 112);

// Each mass's dot colour: its trace's while the recorder follows it, else plain.
void followedColours(const Recorder* recorder, std::span<Rgb> colours, Rgb plain);

// Brings the dots' colours up to date with what the recorder follows, with
// redraw(i, colour) for each dot whose colour changes.
template <std::size_t N, typename Redraw>
void recolourDots(const Recorder* recorder, std::array<Rgb, N>& colours, Rgb plain, Redraw redraw)
{
    std::array<Rgb, N> wanted{};
    followedColours(recorder, wanted, plain);
    for (std::size_t i = 0; i < N; ++i) {
        if (wanted[i] != colours[i]) {
            redraw(static_cast<int>(i), wanted[i]);
        }
    }
    colours = wanted;
}

// The recorder window "Messschreiber" of a program whose masses are numbered
// 1 to lastMass: the plot, its captions and legend, the masses' scroll bars,
// the driven end's switch, the window lengths, the export button and the
// measured values beside the predicted ones.
FormDesign recorderDesign(const char* program, int lastMass);

// What the window shows of the recorder: legend, the values read off and
// predicted, the switches, and the axes' numbers at their places on the plot.
FormView recorderView(const Recorder& recorder);
// The same without the plot's labels, and those alone, which move with every
// draw of the plot.
FormView recorderValues(const Recorder& recorder);
std::vector<ControlState> plotLabels(const Recorder& recorder);

// The part of the recording a plot shows and the height of its y axis.
struct PlotFrame {
    double start = 0;
    double window = 100;
    double yMax = 0.1;
    friend bool operator==(const PlotFrame&, const PlotFrame&) = default;
};

// What a plot shows, down to the newest sample drawn.
struct PlotDrawn {
    PlotFrame frame;
    std::array<int, followedMasses> masses{};
    bool drivenEnd = false;
    double lastTime = -1;
};

// The plot over the last window of the recording into the picture, whose
// user scale it sets: a light grid, the axes and each trace in its colour.
void drawRecording(Picture& plot, const Recorder& recorder);
// The same after the plot showed `drawn`: where it still shows the same part
// with the same traces, only the samples since are drawn. True when it was
// drawn in full (its labels move then).
bool drawRecording(Picture& plot, const Recorder& recorder, PlotDrawn& drawn);

// The recording for a spreadsheet: a header naming the traces, then one row
// per sample, time first, oldest first.
std::string recordingCsv(const Recorder& recorder);

} // namespace core

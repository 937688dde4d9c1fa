#include "RecorderForm.hpp"

#include "DecimalText.hpp"
#include "WaveReading.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace core {

namespace {

constexpr Rgb grey = RGB(192, 192, 192);
constexpr Rgb red = RGB(255, 0, 0);
constexpr double plain = 8.25;
constexpr double bold = 9.75;

// The masses followed when the window first opens: about half a wavelength
// apart at the default period of 25, where what the damped end sends back
// shifts both by the same and their lag is the travelling wave's.
constexpr std::array<int, followedMasses> firstMasses{10, 22, 0};

// Grid lines across the window and above and below the rest line.
constexpr int timeDivisions = 5;
constexpr std::array<double, 6> yRanges{0.1, 0.2, 0.5, 1, 2, 5};
constexpr int traceWidth = 2;

const char* const legends[traceCount] = {"Legend1", "Legend2", "Legend3", "Legend4"};
const char* const swatches[traceCount] = {"Swatch1", "Swatch2", "Swatch3", "Swatch4"};
const char* const names[traceCount] = {"Name1", "Name2", "Name3", "Name4"};
const char* const measuredLabels[traceCount] = {"Measured1", "Measured2", "Measured3", "Measured4"};
const char* const predictedLabels[traceCount] = {"Predicted1", "Predicted2", "Predicted3", "Predicted4"};
const char* const timeTicks[timeDivisions + 1] = {"TickT0", "TickT1", "TickT2", "TickT3", "TickT4", "TickT5"};
const char* const yTicks[3] = {"TickY0", "TickY1", "TickY2"};
const char* const windowOptions[windowLengths.size()] = {"Option1", "Option2", "Option3", "Option4"};

bool followed(const Recorder& recorder, std::size_t trace)
{
    return trace == drivenEndTrace ? recorder.drivenEndShown() : recorder.masses().at(trace) > 0;
}

// The window moves on by a grid division when the newest sample reaches its
// right edge, so between moves the plot only grows at the right and a pass
// repaints a few pixels, not the whole plot.
PlotFrame frameOf(const Recorder& recorder)
{
    PlotFrame frame;
    frame.window = recorder.window();
    if (recorder.size() == 0) {
        return frame;
    }
    const double step = frame.window / timeDivisions;
    frame.start = std::max(0.0, (std::floor(recorder.newest().t / step) + 1) * step - frame.window);
    double largest = 0;
    for (std::size_t i = recorder.size(); i-- > 0 && recorder.at(i).t >= frame.start;) {
        for (std::size_t trace = 0; trace < traceCount; ++trace) {
            if (followed(recorder, trace)) {
                largest = std::max(largest, std::abs(recorder.at(i).y[trace]));
            }
        }
    }
    const auto fits = std::find_if(yRanges.begin(), yRanges.end(), [largest](double r) {
        return r >= largest;
    });
    frame.yMax = fits == yRanges.end() ? yRanges.back() : *fits;
    return frame;
}

// The k-th vertical grid line's time, at a multiple of a fifth of the
// window, as the window's start is; none where it falls past the window's end.
std::optional<double> gridTime(const PlotFrame& frame, int k)
{
    const double step = frame.window / timeDivisions;
    const double t = (std::round(frame.start / step) + k) * step;
    if (t > frame.start + frame.window + 1e-9) {
        return {};
    }
    return t;
}

// x is time since the window's start, so floats keep their precision however long the run.
UserScale scaleOf(const PlotFrame& frame)
{
    return {-0.08 * frame.window, 1.1 * frame.yMax, 1.1 * frame.window, -2.45 * frame.yMax};
}

std::string traceName(const Recorder& recorder, std::size_t trace)
{
    return trace == drivenEndTrace ? "Punkt 0" : "Masse " + std::to_string(recorder.masses().at(trace));
}

std::string valueText(const std::optional<double>& value, int decimals, const char* unit)
{
    return value ? fixedText(*value, decimals) + unit : "–";
}

std::string traceText(const TraceValues& values)
{
    return "T = " + valueText(values.period, 2, " ZE") + "   A = " + valueText(values.amplitude, 3, "");
}

std::string speedText(const Readings& readings)
{
    if (readings.pairFading == Propagation::belowCutoff) {
        return "keine Welle (unterhalb der Grenzfrequenz)";
    }
    if (readings.pairFading == Propagation::aboveCutoff) {
        return "keine Welle (oberhalb der Grenzfrequenz)";
    }
    return valueText(readings.pair.speed, 3, "");
}

ControlDesign textLabel(const char* name, const char* caption, const char* container, DesignRect place,
    std::optional<Rgb> back = grey, double points = plain)
{
    return {.name = name,
        .kind = ControlKind::label,
        .caption = caption,
        .container = container,
        .place = place,
        .fontPoints = points,
        .back = back};
}

} // namespace

void followedColours(const Recorder* recorder, std::span<Rgb> colours, Rgb plain)
{
    std::fill(colours.begin(), colours.end(), plain);
    if (recorder == nullptr) {
        return;
    }
    for (std::size_t slot = 0; slot < followedMasses; ++slot) {
        const auto mass = static_cast<std::size_t>(recorder->masses().at(slot));
        if (mass > 0 && mass < colours.size()) {
            colours[mass] = traceColours.at(slot);
        }
    }
}

FormDesign recorderDesign(const char* program, int lastMass)
{
    using enum ControlKind;
    FormDesign form{
        .name = "Messschreiber",
        .title = std::string("Messschreiber - ") + program,
        .back = grey,
        .fontPoints = plain,
        .client = DesignRect{600, 600, 9720, 8160},
        .opensBeside = true,
        .controls = {
            {.name = "Plot", .kind = picture, .place = {120, 120, 9480, 3600}, .back = plotBackground,
                .accessibleName = "Messschreiber",
                .description = "Die Auslenkung y der verfolgten Massen über der Zeit t."},
            textLabel("AxisT", "t in ZE", "Plot", {0, 0, 735, 255}, plotBackground),
            textLabel("AxisY", "y", "Plot", {0, 0, 255, 255}, plotBackground),
        },
        .tabChain = {"HScroll1", "HScroll2", "HScroll3", "Command1", "Option1", "Option2", "Option3", "Option4",
            "Command2"},
        .program = program,
        .picture = "Plot",
    };
    std::vector<ControlDesign>& c = form.controls;
    for (const char* tick : timeTicks) {
        c.push_back(textLabel(tick, "", "Plot", {0, 0, 615, 255}, plotBackground));
    }
    for (const char* tick : yTicks) {
        c.push_back(textLabel(tick, "", "Plot", {0, 0, 495, 255}, plotBackground));
    }

    c.push_back({.name = "Frame1",
        .kind = frame,
        .caption = "Verfolgte Massen",
        .place = {120, 3840, 4680, 1920},
        .fontPoints = bold,
        .back = grey});
    const char* const scrollNames[followedMasses] = {"Erste Masse", "Zweite Masse", "Dritte Masse"};
    for (std::size_t k = 0; k < traceCount; ++k) {
        const double top = 300 + 390.0 * static_cast<double>(k);
        if (k < followedMasses) {
            c.push_back({.name = massScrolls.at(k),
                .kind = scrollBar,
                .container = "Frame1",
                .place = {120, top, 2520, 300},
                .scroll = {0, lastMass, 1, 10, firstMasses.at(k)},
                .accessibleName = scrollNames[k],
                .description = "Nummer der verfolgten Masse, 0 für keine."});
        } else {
            c.push_back({.name = "Command1",
                .kind = button,
                .caption = "Punkt 0 On/Off",
                .container = "Frame1",
                .place = {120, top, 2520, 330},
                .fontPoints = plain,
                .accessibleName = "Punkt 0 ein/aus",
                .description = "Zeichnet das angeregte Ende als vierte Linie oder nicht."});
        }
        c.push_back(textLabel(swatches[k], "", "Frame1", {2760, top + 30, 240, 240}, traceColours.at(k)));
        c.push_back(textLabel(legends[k], "", "Frame1", {3120, top + 30, 1440, 255}));
    }

    c.push_back({.name = "Frame2",
        .kind = frame,
        .caption = "Zeitfenster",
        .place = {4920, 3840, 2160, 1920},
        .fontPoints = bold,
        .back = grey});
    const char* const lengthCaptions[windowLengths.size()] = {"50 ZE", "100 ZE", "200 ZE", "500 ZE"};
    for (std::size_t k = 0; k < windowLengths.size(); ++k) {
        c.push_back({.name = windowOptions[k],
            .kind = option,
            .caption = lengthCaptions[k],
            .container = "Frame2",
            .place = {120, 300 + 390.0 * static_cast<double>(k), 1800, 300},
            .fontPoints = plain,
            .back = grey});
    }
    c.push_back({.name = "Command2",
        .kind = button,
        .caption = "Messwerte speichern",
        .place = {7200, 3900, 2400, 375},
        .fontPoints = bold,
        .accessibleName = "Messwerte speichern",
        .description = "Speichert die Aufzeichnung als CSV-Datei für eine Tabellenkalkulation."});

    c.push_back({.name = "Frame3",
        .kind = frame,
        .caption = "Messwerte",
        .place = {120, 5880, 9480, 2160},
        .fontPoints = bold,
        .back = grey});
    c.push_back(textLabel("HeadMeasured", "gemessen", "Frame3", {2400, 240, 3000, 255}, grey, bold));
    c.push_back(textLabel("HeadPredicted", "berechnet", "Frame3", {5880, 240, 3480, 255}, grey, bold));
    const auto row
        = [&c](const char* name, const char* caption, const char* measuredName, const char* predictedName, double top) {
              c.push_back(textLabel(name, caption, "Frame3", {120, top, 2160, 255}));
              c.push_back(textLabel(measuredName, "–", "Frame3", {2400, top, 3360, 255}));
              c.push_back(textLabel(predictedName, "–", "Frame3", {5880, top, 3480, 255}));
          };
    for (std::size_t k = 0; k < traceCount; ++k) {
        row(names[k], "", measuredLabels[k], predictedLabels[k], 510 + 255.0 * static_cast<double>(k));
    }
    row("NameLag", "Verzögerung 2 gegen 1", "MeasuredLag", "PredictedLag", 1530);
    row("NameSpeed", "Phasengeschwindigkeit", "MeasuredSpeed", "PredictedSpeed", 1785);
    return form;
}

FormView recorderView(const Recorder& recorder)
{
    FormView shows = recorderValues(recorder);
    const std::vector<ControlState> labels = plotLabels(recorder);
    shows.controls.insert(shows.controls.end(), labels.begin(), labels.end());
    return shows;
}

FormView recorderValues(const Recorder& recorder)
{
    FormView shows;
    std::vector<ControlState>& c = shows.controls;
    const Readings measuredValues = measured(recorder);
    const Readings predictedValues = predicted(recorder);
    for (std::size_t trace = 0; trace < traceCount; ++trace) {
        const bool on = followed(recorder, trace);
        const std::string name = on ? traceName(recorder, trace) : "";
        if (trace < followedMasses) {
            c.push_back({.control = massScrolls.at(trace), .value = recorder.masses().at(trace)});
        }
        c.push_back({.control = legends[trace], .caption = name, .visible = on});
        c.push_back({.control = swatches[trace], .visible = on});
        c.push_back({.control = names[trace], .caption = name, .visible = on});
        c.push_back(
            {.control = measuredLabels[trace], .caption = traceText(measuredValues.traces.at(trace)), .visible = on});
        c.push_back(
            {.control = predictedLabels[trace], .caption = traceText(predictedValues.traces.at(trace)), .visible = on});
    }
    c.push_back({.control = "MeasuredLag", .caption = valueText(measuredValues.pair.lag, 2, " ZE")});
    c.push_back({.control = "PredictedLag", .caption = valueText(predictedValues.pair.lag, 2, " ZE")});
    // Mass spacings per time unit; the phase speed, not the speed of a pulse's front.
    c.push_back({.control = "MeasuredSpeed", .caption = valueText(measuredValues.pair.speed, 3, " Abstände/ZE")});
    // The wavelength beside it: masses half of it apart measure the
    // travelling wave's speed, whatever the damped end sends back.
    c.push_back({.control = "PredictedSpeed",
        .caption = predictedValues.pairFading || !predictedValues.pair.speed
            ? speedText(predictedValues)
            : speedText(predictedValues) + " Abstände/ZE, λ = " + fixedText(*predictedValues.pair.wavelength, 1)});
    c.push_back({.control = "Command1", .back = recorder.drivenEndShown() ? red : grey});
    for (std::size_t k = 0; k < windowLengths.size(); ++k) {
        c.push_back({.control = windowOptions[k], .checked = windowLengths.at(k) == recorder.window()});
    }
    return shows;
}

std::vector<ControlState> plotLabels(const Recorder& recorder)
{
    std::vector<ControlState> c;
    const PlotFrame frame = frameOf(recorder);
    for (int k = 0; k <= timeDivisions; ++k) {
        const std::optional<double> t = gridTime(frame, k);
        // The y axis's numbers stand at the left end, the caption "t in ZE" at the right.
        const bool shown = t && *t - frame.start > 0.05 * frame.window && *t - frame.start < 0.85 * frame.window;
        c.push_back({.control = timeTicks[k],
            .caption = fixedText(t.value_or(0), 0),
            .visible = shown,
            .anchor = std::pair{t.value_or(0) - frame.start - 0.03 * frame.window, -1.05 * frame.yMax}});
    }
    const double yValues[3] = {frame.yMax, 0, -frame.yMax};
    for (std::size_t k = 0; k < 3; ++k) {
        c.push_back({.control = yTicks[k],
            .caption = decimalText(yValues[k]),
            .anchor = std::pair{-0.075 * frame.window, yValues[k] + 0.05 * frame.yMax}});
    }
    c.push_back({.control = "AxisT", .anchor = std::pair{0.93 * frame.window, -1.05 * frame.yMax}});
    c.push_back({.control = "AxisY", .anchor = std::pair{0.01 * frame.window, 1.1 * frame.yMax}});
    return c;
}

namespace {

// Each followed trace through the samples from `first` on.
void drawTraces(Picture& plot, const Recorder& recorder, const PlotFrame& frame, std::size_t first)
{
    plot.setDrawWidth(traceWidth);
    std::vector<std::pair<float, float>> points;
    points.reserve(recorder.size() - first);
    for (std::size_t trace = 0; trace < traceCount; ++trace) {
        if (!followed(recorder, trace)) {
            continue;
        }
        points.clear();
        for (std::size_t i = first; i < recorder.size(); ++i) {
            const Sample& sample = recorder.at(i);
            points.emplace_back(static_cast<float>(sample.t - frame.start),
                static_cast<float>(std::clamp(sample.y[trace], -frame.yMax, frame.yMax)));
        }
        plot.Polyline(points, traceColours.at(trace));
    }
}

// The sample drawn last, if the recording still has it.
std::optional<std::size_t> sampleAt(const Recorder& recorder, double t)
{
    for (std::size_t i = recorder.size(); i-- > 0 && recorder.at(i).t >= t;) {
        if (recorder.at(i).t == t) {
            return i;
        }
    }
    return {};
}

} // namespace

void drawRecording(Picture& plot, const Recorder& recorder)
{
    PlotDrawn drawn;
    drawRecording(plot, recorder, drawn);
}

bool drawRecording(Picture& plot, const Recorder& recorder, PlotDrawn& drawn)
{
    const PlotFrame frame = frameOf(recorder);
    const PlotDrawn now{
        frame, recorder.masses(), recorder.drivenEndShown(), recorder.size() > 0 ? recorder.newest().t : -1};
    if (recorder.size() > 0 && drawn.frame == now.frame && drawn.masses == now.masses
        && drawn.drivenEnd == now.drivenEnd) {
        if (const std::optional<std::size_t> last = sampleAt(recorder, drawn.lastTime)) {
            drawTraces(plot, recorder, frame, *last);
            drawn = now;
            return false;
        }
    }
    drawn = now;
    plot.setScale(scaleOf(frame));
    plot.setBackColor(plotBackground);
    const auto w = static_cast<float>(frame.window);
    const auto top = static_cast<float>(frame.yMax);

    plot.setDrawWidth(1);
    for (int k = 0; k <= timeDivisions; ++k) {
        if (const std::optional<double> t = gridTime(frame, k)) {
            const auto x = static_cast<float>(*t - frame.start);
            plot.Line(x, -top, x, top, gridColour);
        }
    }
    for (const float y : {-top, -top / 2, top / 2, top}) {
        plot.Line(0, y, w, y, gridColour);
    }
    plot.Line(0, 0, w, 0, axisColour);
    plot.Line(0, -top, 0, top, axisColour);

    std::size_t first = recorder.size();
    while (first > 0 && recorder.at(first - 1).t >= frame.start) {
        --first;
    }
    drawTraces(plot, recorder, frame, first);
    return true;
}

std::string recordingCsv(const Recorder& recorder)
{
    // Semicolons and decimal commas, as German spreadsheet programs take a
    // double-clicked file: they split on the locale's list separator, ";"
    // where "," is the decimal mark. The header is plain ASCII, so no
    // encoding question arises; CR LF ends the rows as Windows expects.
    std::string csv = "t in ZE";
    for (std::size_t trace = 0; trace < traceCount; ++trace) {
        if (followed(recorder, trace)) {
            csv += ';';
            csv += traceName(recorder, trace);
        }
    }
    csv += "\r\n";
    for (std::size_t i = 0; i < recorder.size(); ++i) {
        const Sample& sample = recorder.at(i);
        csv += fixedText(sample.t, 4);
        for (std::size_t trace = 0; trace < traceCount; ++trace) {
            if (followed(recorder, trace)) {
                csv += ';';
                csv += fixedText(sample.y[trace], 6);
            }
        }
        csv += "\r\n";
    }
    return csv;
}

} // namespace core

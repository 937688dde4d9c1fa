#include "RecorderWindow.hpp"

#include "RecorderForm.hpp"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

namespace core {

namespace {

// At 120 passes a second: the plot grows 30 times a second, and the values
// change four times a second, which a class can still read.
constexpr int passesPerPlot = 4;
constexpr int passesPerView = 30;

constexpr const char* windowOptions[windowLengths.size()] = {"Option1", "Option2", "Option3", "Option4"};

} // namespace

RecorderWindow::RecorderWindow(const char* program, int lastMass, RecorderHost& host)
    : design_(recorderDesign(program, lastMass))
    , host_(host)
{
    for (std::size_t slot = 0; slot < followedMasses; ++slot) {
        const auto scroll = std::find_if(design_.controls.begin(), design_.controls.end(), [slot](const auto& c) {
            return std::string_view(c.name) == massScrolls.at(slot);
        });
        masses_.at(slot) = scroll->scroll.value;
    }
}

void RecorderWindow::attach(Picture& plot)
{
    plot_ = &plot;
    drawn_ = {}; // a new picture shows nothing yet
    drawPlot();
}

Reaction RecorderWindow::toggle()
{
    if (isOpen()) {
        host_.closeRecorder();
        host_.showFollowed();
        return {.close = name};
    }
    Recorder& recorder = host_.openRecorder();
    for (std::size_t slot = 0; slot < followedMasses; ++slot) {
        recorder.follow(static_cast<int>(slot), masses_.at(slot));
    }
    recorder.showDrivenEnd(drivenEndShown_);
    recorder.setWindow(window_);
    host_.showFollowed();
    refresh();
    return {.open = name};
}

Reaction RecorderWindow::handle(const FormEvent& event)
{
    Recorder* recorder = host_.recorder();
    if (recorder == nullptr) {
        return {};
    }
    const std::string_view control(event.control);
    Reaction reaction;
    if (event.kind == FormEvent::unload) {
        host_.closeRecorder();
        host_.showFollowed();
        return {};
    }
    if (event.kind == FormEvent::change) {
        for (std::size_t slot = 0; slot < followedMasses; ++slot) {
            if (control == massScrolls.at(slot)) {
                follow(slot, event.value);
            }
        }
    } else if (event.kind == FormEvent::click) {
        if (control == "Command1") {
            drivenEndShown_ = !drivenEndShown_;
            recorder->showDrivenEnd(drivenEndShown_);
        } else if (control == "Command2") {
            reaction.save = TextFile{
                "Messwerte speichern", std::string(design_.program) + " Messwerte", "csv", recordingCsv(*recorder)};
        }
        for (std::size_t k = 0; k < windowLengths.size(); ++k) {
            if (control == windowOptions[k]) {
                window_ = windowLengths.at(k);
                recorder->setWindow(window_);
            }
        }
    }
    refresh();
    return reaction;
}

bool RecorderWindow::picks(const FormEvent& event, int mass)
{
    constexpr int leftButton = 1;
    constexpr int ctrlKey = 2;
    if (event.kind == FormEvent::mouseDown) {
        picking_ = isOpen() && event.button == leftButton && (event.shift & ctrlKey) != 0;
        if (picking_) {
            pick(mass);
        }
        return picking_;
    }
    if (!picking_) {
        return false;
    }
    // A move with the button up means its release went elsewhere.
    if (event.kind == FormEvent::mouseMove && (event.button & leftButton) == 0) {
        picking_ = false;
        return false;
    }
    picking_ = event.kind != FormEvent::mouseUp;
    return true;
}

void RecorderWindow::pick(int mass)
{
    auto slot = std::find(masses_.begin(), masses_.end(), mass);
    const bool followed = slot != masses_.end();
    if (!followed) {
        slot = std::find(masses_.begin(), masses_.end(), 0);
    }
    if (slot == masses_.end()) {
        slot = std::prev(masses_.end());
    }
    follow(static_cast<std::size_t>(slot - masses_.begin()), followed ? 0 : mass);
    refresh();
}

void RecorderWindow::follow(std::size_t slot, int mass)
{
    masses_.at(slot) = mass;
    host_.recorder()->follow(static_cast<int>(slot), mass);
    host_.showFollowed();
}

void RecorderWindow::afterPass()
{
    if (!isOpen()) {
        return;
    }
    ++passes_;
    if (passes_ >= passesPerView) {
        passes_ = 0;
        values_ = recorderValues(*host_.recorder());
        viewDue_ = true;
    }
    if (passes_ % passesPerPlot == 0) {
        drawPlot();
    }
}

void RecorderWindow::refresh()
{
    if (const Recorder* recorder = host_.recorder()) {
        values_ = recorderValues(*recorder);
    }
    drawn_ = {};
    drawPlot();
    viewDue_ = true;
}

const char* RecorderWindow::takeChanged()
{
    return std::exchange(viewDue_, false) && isOpen() ? name : nullptr;
}

FormView RecorderWindow::view(const char* window) const
{
    const Recorder* recorder = host_.recorder();
    if (recorder == nullptr || std::string_view(window) != name) {
        return {};
    }
    FormView shows = values_;
    const std::vector<ControlState> labels = plotLabels(*recorder);
    shows.controls.insert(shows.controls.end(), labels.begin(), labels.end());
    return shows;
}

void RecorderWindow::drawPlot()
{
    // A plot drawn in full has moved on: its labels move with it.
    if (const Recorder* recorder = host_.recorder(); recorder != nullptr && plot_ != nullptr) {
        viewDue_ = drawRecording(*plot_, *recorder, drawn_) || viewDue_;
    }
}

} // namespace core

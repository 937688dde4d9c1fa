#pragma once

#include "Json.hpp"

#include "core/Pace.hpp"
#include "core/Picture.hpp"
#include "core/ProgramForm.hpp"
#include "core/WindowPlace.hpp"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace web {

// A program's windows in the browser, as the desktop's ProgramWindow has
// them: built from the core's designs, the pictures handed to the core's
// handlers, every event sent to them and the view they report handed back.
// The page builds its elements from what this reports as JSON, in logical
// pixels at the zoom of the viewport, and shows the pictures' pixels.
class WebForm {
public:
    explicit WebForm(std::unique_ptr<core::ProgramForm> form);

    // The main window laid out for a viewport of this many CSS pixels at this
    // device pixel ratio; the program loads at the first layout.
    std::string layout(int viewportWidth, int viewportHeight, double ratio);
    // Another window's design and what it shows, laid out at the present
    // zoom; its pictures are sized to it, and handed to the handlers when
    // the window is first made.
    std::string window(const std::string& name);
    // Where a window of this size opens beside the main window in the
    // viewport, or without room there where it covers least of the main picture.
    std::string placeBeside(int width, int height) const;

    // An event on a control; x and y in a picture's logical pixels.
    std::string handle(core::FormEvent event);
    // A key by its DOM name, with Ctrl or not, and the design names of the
    // window and the control that have the focus.
    std::string key(const std::string& name, bool ctrl, const std::string& window, const std::string& focus);
    // The passes due at a frame shown at this time; what they changed.
    std::string frame(double milliseconds);

    bool running() const { return form_->running(); }
    // What changed on a picture since its last repaint, as device rectangles
    // (a table of int numbers: the count, then left, top, width and height
    // of each), brought up to date in the picture's RGBA copy.
    const std::vector<int>& repaint(const std::string& name);
    // The RGBA copy of a picture's device pixels, row by row, as a canvas takes them.
    const std::vector<std::uint32_t>& rgba(const std::string& picture) { return rgba_[picture]; }

private:
    void controls(Json& json, const core::FormDesign& design) const;
    void view(Json& json, const core::FormView& shown, const core::FormDesign& design) const;
    core::FormView mainView() const;
    std::string reaction(const core::Reaction& reaction) const;
    core::FormEvent toUser(core::FormEvent event) const;
    const core::FormDesign& design(const std::string& name) const;

    std::unique_ptr<core::ProgramForm> form_;
    std::map<std::string, std::unique_ptr<core::Picture>, std::less<>> pictures_;
    core::Pace pace_;
    bool loaded_ = false;
    bool paced_ = false;
    double ratio_ = 1;
    // The other windows made so far, whose views follow every event.
    std::vector<const core::FormDesign*> made_;
    // The page's rectangles placeBeside works with, in CSS pixels.
    core::ScreenRect main_;
    core::ScreenRect mainPicture_;
    core::ScreenRect viewport_;
    std::vector<int> rects_;
    std::map<std::string, std::vector<std::uint32_t>, std::less<>> rgba_;
};

} // namespace web

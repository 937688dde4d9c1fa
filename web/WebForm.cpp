#include "WebForm.hpp"

#include "core/ClassicLook.hpp"
#include "core/KeyMap.hpp"
#include "core/PictureName.hpp"
#include "core/RecorderWindow.hpp"
#include "core/TouchHold.hpp"
#include "core/Twips.hpp"
#include "core/WindowUnits.hpp"
#include "core/Zoom.hpp"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <ctime>
#include <iterator>
#include <string_view>
#include <utility>

namespace web {

namespace {

namespace twips = core::twips;

double twipsPerPixel()
{
    return twips::perPixel(twips::standardDpi);
}

int pixels(double twipsLength)
{
    return twips::toPixels(twipsLength, twipsPerPixel());
}

double fontPixels(double points)
{
    return points * twips::perPoint / twipsPerPixel();
}

const char* kindName(core::ControlKind kind)
{
    switch (kind) {
    case core::ControlKind::picture:
        return "picture";
    case core::ControlKind::frame:
        return "frame";
    case core::ControlKind::label:
        return "label";
    case core::ControlKind::button:
        return "button";
    case core::ControlKind::textBox:
        return "textBox";
    case core::ControlKind::option:
        return "option";
    case core::ControlKind::scrollBar:
        return "scrollBar";
    }
    return "";
}

void rect(Json& json, const core::PixelRect& r)
{
    json.key("x").value(r.left).key("y").value(r.top).key("w").value(r.width).key("h").value(r.height);
}

void tabChain(Json& json, const core::FormDesign& design)
{
    json.key("tab").open('[');
    for (const char* name : design.tabChain) {
        json.value(name);
    }
    json.close(']');
}

// The DOM's names of the keys the programs use; Ctrl goes with the letters only.
struct DomKey {
    const char* name;
    bool ctrl;
    core::Key key;
};

constexpr DomKey domKeys[] = {
    {"F5", false, core::Key::f5},
    {"F6", false, core::Key::f6},
    {"F7", false, core::Key::f7},
    {"F8", false, core::Key::f8},
    {"F9", false, core::Key::f9},
    {"c", true, core::Key::ctrlC},
    {"s", true, core::Key::ctrlS},
    {"ArrowUp", false, core::Key::up},
    {"ArrowDown", false, core::Key::down},
    {"Home", false, core::Key::home},
};

const char* domKeyName(core::KeyAction action)
{
    const auto binding
        = std::find_if(std::begin(core::programKeys), std::end(core::programKeys), [&](const core::KeyBinding& b) {
              return b.action == action;
          });
    return std::find_if(std::begin(domKeys), std::end(domKeys), [&](const DomKey& k) {
        return k.key == binding->key;
    })->name;
}

// The type a download is offered with; UTF-8, as the core writes its texts.
const char* mediaType(std::string_view extension)
{
    return extension == "csv" ? "text/csv;charset=utf-8" : "text/plain;charset=utf-8";
}

core::ScreenRect screenRect(double left, double top, const core::PixelRect& r)
{
    return {left + r.left, top + r.top, static_cast<double>(r.width), static_cast<double>(r.height)};
}

core::LocalTime now()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

} // namespace

WebForm::WebForm(std::unique_ptr<core::ProgramForm> form)
    : form_(std::move(form))
{
    for (const core::ControlDesign& c : form_->windows().front()->controls) {
        if (c.kind == core::ControlKind::picture) {
            auto picture = std::make_unique<core::Picture>();
            picture->setBackColor(*core::shownBack(c));
            form_->attach(c.name, *picture);
            pictures_[c.name] = std::move(picture);
        }
    }
}

const core::FormDesign& WebForm::design(const std::string& name) const
{
    const std::vector<const core::FormDesign*> all = form_->windows();
    const auto found = std::find_if(all.begin(), all.end(), [&](const core::FormDesign* d) {
        return name == d->name;
    });
    return found == all.end() ? *all.front() : **found;
}

std::string WebForm::layout(int viewportWidth, int viewportHeight, double ratio)
{
    core::zoom::setFactor(core::zoom::fitting(viewportWidth, viewportHeight));
    const double zoom = core::zoom::factor();
    const double perPixel = twipsPerPixel();
    const core::FormLoad load = form_->geometry(viewportWidth * perPixel, viewportHeight * perPixel);
    const core::FormDesign& main = *form_->windows().front();
    const int width = pixels(load.outerWidth);
    const int height = pixels(load.outerHeight);
    ratio_ = ratio;
    viewport_ = {0, 0, static_cast<double>(viewportWidth), static_cast<double>(viewportHeight)};
    main_ = screenRect(pixels(load.left), pixels(load.top), {0, 0, width, height});

    std::map<std::string, core::PixelRect, std::less<>> placed;
    for (const core::FormLoad::Place& p : load.places) {
        placed[p.control]
            = core::placeInUnits(load.scale, p.units.left, p.units.top, p.units.width, p.units.height, width, height);
    }
    for (const core::FormLoad::Scale& s : load.scales) {
        pictures_.at(s.picture)->setScale(s.scale);
    }
    for (const core::ControlDesign& c : main.controls) {
        if (c.kind != core::ControlKind::picture) {
            continue;
        }
        const auto at = placed.find(c.name);
        const core::PixelRect r = at != placed.end()
            ? at->second
            : twips::toPixelRect(c.place.left, c.place.top, c.place.width, c.place.height, perPixel);
        if (c.name == std::string_view(main.picture)) {
            mainPicture_ = screenRect(main_.left, main_.top, r);
        }
        core::Picture& picture = *pictures_.at(c.name);
        if (picture.setSize(r.width, r.height, ratio) && loaded_) {
            form_->redraw(c.name);
        }
        picture.raster().changed({0, 0, picture.raster().width(), picture.raster().height()});
    }
    for (const core::FormLoad::Anchor& a : load.anchors) {
        for (const core::ControlDesign& c : main.controls) {
            if (a.control == std::string_view(c.name)) {
                const core::Picture& picture = *pictures_.at(c.container);
                placed[c.name] = {static_cast<int>(std::lround(picture.toPixelX(a.x))),
                    static_cast<int>(std::lround(picture.toPixelY(a.y))), pixels(c.place.width),
                    pixels(c.place.height)};
            }
        }
    }
    if (!loaded_) {
        form_->Form_Load();
        loaded_ = true;
    }

    Json json;
    json.open('{');
    json.key("program").value(main.program);
    json.key("name").value(main.name);
    json.key("title").value(main.title);
    json.key("back").colour(main.back);
    json.key("font").value(fontPixels(main.fontPoints));
    json.key("families").open('[');
    for (const char* family : core::classic::fontFamilies) {
        json.value(family);
    }
    json.close(']');
    json.key("look").open('{');
    json.key("line").value(core::classic::zoomedPixels(core::classic::borderLine, zoom));
    json.key("frameLine").value(core::classic::zoomedPixels(core::classic::frameLine, zoom));
    json.key("indent").value(core::classic::zoomedPixels(core::classic::captionIndent, zoom));
    json.key("padding").value(core::classic::zoomedPixels(core::classic::captionPadding, zoom));
    json.key("shadow").colour(core::classic::etchShadow);
    json.key("light").colour(core::classic::etchLight);
    json.key("fitStep").value(core::classic::fitStep);
    json.key("fitSmallest").value(core::classic::fitSmallest);
    json.close('}');
    // The panel's menu: the recorder's window, switched as its key does.
    json.key("recorder").open('{').key("window").value(core::RecorderWindow::name);
    json.key("key").value(domKeyName(core::KeyAction::recorder)).close('}');
    json.key("holdMs").value(core::touch::holdMilliseconds);
    json.key("still").value(core::touch::stillPixels * zoom);
    json.key("zoom").value(zoom);
    json.key("left").value(pixels(load.left)).key("top").value(pixels(load.top));
    json.key("width").value(width).key("height").value(height);
    json.key("picture").value(main.picture);
    json.key("handField").value(main.handField);
    tabChain(json, main);
    json.key("places").open('{');
    for (const auto& [name, r] : placed) {
        json.key(name).open('{');
        rect(json, r);
        json.close('}');
    }
    json.close('}');
    controls(json, main);
    json.key("view");
    view(json, mainView(), main);
    json.key("texts").open('[');
    for (const core::StateText& t : form_->stateTexts()) {
        json.open('{').key("control").value(t.control).key("name").value(t.name);
        json.key("description").value(t.description).close('}');
    }
    json.close(']');
    json.key("running").value(form_->running());
    json.close('}');
    return json.text();
}

void WebForm::controls(Json& json, const core::FormDesign& design) const
{
    const double perPixel = twipsPerPixel();
    json.key("controls").open('[');
    for (const core::ControlDesign& c : design.controls) {
        json.open('{');
        json.key("name").value(c.name).key("kind").value(kindName(c.kind));
        json.key("caption").value(c.caption);
        json.key("parent");
        if (c.container != nullptr) {
            json.value(c.container);
        } else {
            json.null();
        }
        rect(json, twips::toPixelRect(c.place.left, c.place.top, c.place.width, c.place.height, perPixel));
        json.key("font");
        if (c.fontPoints) {
            json.value(fontPixels(*c.fontPoints));
        } else {
            json.null();
        }
        json.key("back");
        if (const std::optional<core::Rgb> back = core::shownBack(c)) {
            json.colour(*back);
        } else {
            json.null();
        }
        json.key("visible").value(c.visible);
        json.key("scroll").open('[').value(c.scroll.min).value(c.scroll.max).value(c.scroll.smallChange);
        json.value(c.scroll.largeChange).value(c.scroll.value).close(']');
        json.key("label").value(c.accessibleName).key("description").value(c.description);
        json.key("tip").value(c.toolTip).key("hold").value(c.holdIsRightButton);
        json.close('}');
    }
    json.close(']');
}

std::string WebForm::window(const std::string& name)
{
    const core::FormDesign& d = design(name);
    const double perPixel = twipsPerPixel();
    for (const core::ControlDesign& c : d.controls) {
        if (c.kind != core::ControlKind::picture) {
            continue;
        }
        std::unique_ptr<core::Picture>& picture = pictures_[c.name];
        const bool first = !picture;
        if (first) {
            picture = std::make_unique<core::Picture>();
            picture->setBackColor(*core::shownBack(c));
        }
        const core::PixelRect r
            = twips::toPixelRect(c.place.left, c.place.top, c.place.width, c.place.height, perPixel);
        if (picture->setSize(r.width, r.height, ratio_)) {
            form_->redraw(c.name);
        }
        // The page's canvas is new: all of it is painted.
        picture->raster().changed({0, 0, picture->raster().width(), picture->raster().height()});
        if (first) {
            form_->attach(c.name, *picture);
        }
    }
    if (std::find(made_.begin(), made_.end(), &d) == made_.end()) {
        made_.push_back(&d);
    }
    const core::DesignRect client = d.client.value_or(core::DesignRect{});
    Json json;
    json.open('{');
    json.key("name").value(d.name).key("title").value(d.title).key("back").colour(d.back);
    json.key("font").value(fontPixels(d.fontPoints)).key("beside").value(d.opensBeside);
    rect(json, twips::toPixelRect(client.left, client.top, client.width, client.height, perPixel));
    controls(json, d);
    tabChain(json, d);
    json.key("view");
    view(json, form_->windowView(d.name), d);
    json.close('}');
    return json.text();
}

std::string WebForm::placeBeside(int width, int height) const
{
    const core::ScreenRect at = core::placeBeside(main_, mainPicture_, width, height, viewport_);
    Json json;
    json.open('{').key("x").value(static_cast<int>(std::lround(at.left)));
    json.key("y").value(static_cast<int>(std::lround(at.top))).close('}');
    return json.text();
}

core::FormView WebForm::mainView() const
{
    core::FormView shown = form_->view();
    if (std::optional<core::ControlState> pass = form_->passView()) {
        shown.controls.push_back(std::move(*pass));
    }
    return shown;
}

void WebForm::view(Json& json, const core::FormView& shown, const core::FormDesign& design) const
{
    json.open('{');
    if (shown.title) {
        json.key("title").value(*shown.title);
    }
    json.key("controls").open('[');
    for (const core::ControlState& s : shown.controls) {
        json.open('{').key("control").value(s.control);
        if (s.caption) {
            json.key("caption").value(*s.caption);
        }
        if (s.back) {
            json.key("back").colour(*s.back);
        }
        if (s.visible) {
            json.key("visible").value(*s.visible);
        }
        if (s.checked) {
            json.key("checked").value(*s.checked);
        }
        if (s.value) {
            json.key("value").value(*s.value);
        }
        if (s.anchor) {
            // A control on a picture: its top-left corner in the picture's pixels.
            for (const core::ControlDesign& c : design.controls) {
                if (s.control == std::string_view(c.name) && c.container != nullptr) {
                    const core::Picture& picture = *pictures_.at(c.container);
                    json.key("x").value(static_cast<int>(std::lround(picture.toPixelX(s.anchor->first))));
                    json.key("y").value(static_cast<int>(std::lround(picture.toPixelY(s.anchor->second))));
                }
            }
        }
        json.close('}');
    }
    json.close(']');
    json.close('}');
}

core::FormEvent WebForm::toUser(core::FormEvent event) const
{
    const auto picture = pictures_.find(event.control);
    if (picture != pictures_.end()) {
        event.x = static_cast<float>(picture->second->toUserX(event.x));
        event.y = static_cast<float>(picture->second->toUserY(event.y));
    }
    return event;
}

std::string WebForm::reaction(const core::Reaction& reaction) const
{
    Json json;
    json.open('{');
    json.key("view");
    view(json, mainView(), *form_->windows().front());
    json.key("texts").open('[');
    for (const core::StateText& t : form_->stateTexts()) {
        json.open('{').key("control").value(t.control).key("name").value(t.name);
        json.key("description").value(t.description).close('}');
    }
    json.close(']');
    json.key("windows").open('[');
    for (const core::FormDesign* d : made_) {
        json.open('{').key("name").value(d->name).key("view");
        view(json, form_->windowView(d->name), *d);
        json.close('}');
    }
    json.close(']');
    for (const auto& [key, name] : {std::pair{"open", reaction.open}, std::pair{"close", reaction.close}}) {
        json.key(key);
        if (name != nullptr) {
            json.value(name);
        } else {
            json.null();
        }
    }
    if (reaction.save) {
        // The browser saves it as a download, under the name a dialog would offer.
        const core::TextFile& file = *reaction.save;
        json.key("download").open('{');
        json.key("file").value(core::timedFileName(file.stem, now(), file.extension));
        json.key("type").value(mediaType(file.extension)).key("text").value(file.text).close('}');
    }
    json.key("end").value(reaction.end);
    json.key("running").value(form_->running());
    json.close('}');
    return json.text();
}

std::string WebForm::handle(core::FormEvent event)
{
    const core::Reaction r = form_->handle(toUser(event));
    if (!form_->running()) {
        paced_ = false; // a run started again later begins at its next frame
    }
    return reaction(r);
}

std::string WebForm::key(const std::string& name, bool ctrl, const std::string& window, const std::string& focus)
{
    const auto dom = std::find_if(std::begin(domKeys), std::end(domKeys), [&](const DomKey& k) {
        return k.ctrl == ctrl
            && (name == k.name || (ctrl && name.size() == 1 && std::toupper(name[0]) == std::toupper(k.name[0])));
    });
    if (dom == std::end(domKeys)) {
        return "null";
    }
    const auto binding
        = std::find_if(std::begin(core::programKeys), std::end(core::programKeys), [&](const core::KeyBinding& b) {
              return b.key == dom->key;
          });
    const core::FormDesign& main = *form_->windows().front();
    const core::FormDesign& focused = design(window);
    // The picture keys act on the focused window's picture, as on the
    // desktop; in a window without one, on the main window's.
    const core::FormDesign& pictured = focused.picture != nullptr ? focused : main;
    switch (binding->action) {
    case core::KeyAction::click:
        return handle({.kind = core::FormEvent::click, .window = main.name, .control = binding->button});
    case core::KeyAction::singleStep:
        form_->singleStep();
        return reaction({});
    case core::KeyAction::recorder:
        return reaction(form_->switchRecorder());
    case core::KeyAction::copyPicture: {
        Json json;
        json.open('{').key("copy").value(pictured.picture).close('}');
        return json.text();
    }
    case core::KeyAction::savePicture: {
        const std::string stem
            = &pictured == &main ? main.program : std::string(pictured.program) + ' ' + pictured.name;
        Json json;
        json.open('{').key("save").value(pictured.picture);
        json.key("file").value(core::pictureFileName(stem, now())).close('}');
        return json.text();
    }
    default:
        break;
    }
    if (&focused != &main || focus != main.handField) {
        return "null";
    }
    // The hand keys act as a drag with the left button to the new height.
    const core::Picture& field = *pictures_.at(main.handField);
    const core::UserScale& scale = field.scale();
    const double y
        = core::handKeyHeight(binding->action, form_->handHeight(), main.handStep, scale.top, scale.top + scale.height);
    const core::Reaction r = form_->handle({.kind = core::FormEvent::mouseMove,
        .window = main.name,
        .control = main.handField,
        .button = 1,
        .x = static_cast<float>(scale.left),
        .y = static_cast<float>(y)});
    return reaction(r);
}

std::string WebForm::frame(double milliseconds)
{
    int passes = 0;
    if (form_->running()) {
        if (!paced_) {
            pace_.restart();
            paced_ = true;
        }
        const int due = pace_.due(std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::duration<double, std::milli>(milliseconds)));
        while (passes < due && form_->pass()) {
            ++passes;
        }
    }
    if (!form_->running()) {
        paced_ = false;
    }
    Json json;
    json.open('{').key("passes").value(passes).key("running").value(form_->running());
    if (const std::optional<core::ControlState> pass = form_->passView(); pass && pass->caption) {
        json.key("control").value(pass->control).key("caption").value(*pass->caption);
    }
    if (const char* changed = form_->takeChangedWindow()) {
        // Only a window the page has made has pictures to place its controls on.
        const core::FormDesign& d = design(changed);
        if (std::find(made_.begin(), made_.end(), &d) != made_.end()) {
            json.key("window").value(d.name).key("view");
            view(json, form_->windowView(d.name), d);
        }
    }
    json.close('}');
    return json.text();
}

const std::vector<int>& WebForm::repaint(const std::string& name)
{
    rects_.assign(1, 0);
    const auto found = pictures_.find(name);
    if (found == pictures_.end()) {
        return rects_;
    }
    core::Picture& picture = *found->second;
    core::Raster& raster = picture.raster();
    raster.settleHeldDot();
    if (!raster.hasChanges()) {
        return rects_;
    }
    std::vector<std::uint32_t>& rgba = rgba_[name];
    rgba.resize(static_cast<std::size_t>(raster.width()) * static_cast<std::size_t>(raster.height()));
    // A canvas costs by its putImageData calls more than by their pixels:
    // each dot's own rectangle, no grid of rows as for a window system.
    for (const core::PixelRect& r : raster.takeChangedRects()) {
        rects_.insert(rects_.end(), {r.left, r.top, r.width, r.height});
        ++rects_[0];
        for (int y = r.top; y <= r.bottom(); ++y) {
            const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(y) * raster.width();
            const std::uint32_t* from = raster.pixels() + row;
            std::uint32_t* to = rgba.data() + row;
            for (int x = r.left; x <= r.right(); ++x) {
                // 0xffRRGGBB to the bytes R, G, B, A in memory.
                const std::uint32_t p = from[x];
                to[x] = 0xff000000U | (p & 0x0000ff00U) | ((p >> 16U) & 0xffU) | ((p & 0xffU) << 16U);
            }
        }
    }
    return rects_;
}

} // namespace web

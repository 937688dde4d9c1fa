// What the page calls: each function hands back a JSON text that stays valid
// until the next call.
#include "Program.hpp"
#include "WebForm.hpp"

#include <emscripten/emscripten.h>

#include <string>

namespace {

web::WebForm& shell()
{
    static web::WebForm form(web::makeProgramForm());
    return form;
}

std::string reply;

const char* answer(std::string&& text)
{
    reply = std::move(text);
    return reply.c_str();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* wl_layout(int width, int height, double ratio)
{
    return answer(shell().layout(width, height, ratio));
}

EMSCRIPTEN_KEEPALIVE const char* wl_window(const char* name)
{
    return answer(shell().window(name));
}

EMSCRIPTEN_KEEPALIVE const char* wl_place(int width, int height)
{
    return answer(shell().placeBeside(width, height));
}

// kind: 0 click, 1 change, 2 mouse down, 3 move, 4 up, 5 the window closed.
EMSCRIPTEN_KEEPALIVE const char* wl_event(
    int kind, const char* window, const char* control, int value, int button, int shift, double x, double y)
{
    // The names live in the page's strings only for this call; the event keeps the design's own.
    static std::string windowName;
    static std::string controlName;
    windowName = window;
    controlName = control;
    return answer(shell().handle({.kind = static_cast<core::FormEvent::Kind>(kind),
        .window = windowName.c_str(),
        .control = controlName.c_str(),
        .value = value,
        .button = button,
        .shift = shift,
        .x = static_cast<float>(x),
        .y = static_cast<float>(y)}));
}

EMSCRIPTEN_KEEPALIVE const char* wl_key(const char* key, int ctrl, const char* window, const char* focus)
{
    return answer(shell().key(key, ctrl != 0, window, focus));
}

EMSCRIPTEN_KEEPALIVE const char* wl_frame(double milliseconds)
{
    return answer(shell().frame(milliseconds));
}

EMSCRIPTEN_KEEPALIVE const int* wl_repaint(const char* picture)
{
    return shell().repaint(picture).data();
}

EMSCRIPTEN_KEEPALIVE const std::uint32_t* wl_pixels(const char* picture)
{
    return shell().rgba(picture).data();
}

} // extern "C"

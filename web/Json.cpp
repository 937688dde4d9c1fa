#include "Json.hpp"

#include <cmath>
#include <cstdio>

namespace web {

void Json::separate()
{
    if (!first_) {
        text_ += ',';
    }
    first_ = false;
}

Json& Json::open(char bracket)
{
    separate();
    text_ += bracket;
    first_ = true;
    return *this;
}

Json& Json::close(char bracket)
{
    text_ += bracket;
    first_ = false;
    return *this;
}

Json& Json::key(std::string_view name)
{
    value(name);
    text_ += ':';
    first_ = true;
    return *this;
}

Json& Json::value(std::string_view text)
{
    separate();
    text_ += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            text_ += escaped;
        } else {
            text_ += c;
        }
    }
    text_ += '"';
    return *this;
}

Json& Json::value(double number)
{
    separate();
    if (!std::isfinite(number)) {
        text_ += "null";
        return *this;
    }
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.17g", number);
    text_ += digits;
    return *this;
}

Json& Json::value(bool flag)
{
    separate();
    text_ += flag ? "true" : "false";
    return *this;
}

Json& Json::colour(core::Rgb c)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", c.r, c.g, c.b);
    return value(std::string_view(hex));
}

Json& Json::null()
{
    separate();
    text_ += "null";
    return *this;
}

} // namespace web

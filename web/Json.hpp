#pragma once

#include "core/Rgb.hpp"

#include <string>
#include <string_view>

namespace web {

// Writes the little JSON the page reads: objects, arrays, strings, numbers
// and colours, commas placed by itself.
class Json {
public:
    Json& open(char bracket);
    Json& close(char bracket);
    Json& key(std::string_view name);
    Json& value(std::string_view text);
    Json& value(const char* text) { return value(std::string_view(text)); }
    Json& value(double number);
    Json& value(int number) { return value(static_cast<double>(number)); }
    Json& value(bool flag);
    Json& colour(core::Rgb c);
    Json& null();

    const std::string& text() const { return text_; }

private:
    void separate();

    std::string text_;
    bool first_ = true;
};

} // namespace web

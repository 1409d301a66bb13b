#pragma once
// A console code page that differs from the ANSI one in the letters the tests use, as 437 and 1252 do: "é" is
// 0x82 in the console code page and 0xE9 in ANSI, "ü" 0x81 and 0xFC. A missed or doubled conversion shows.
#include <string>

#include "tests/fakes/Fakes.h"

namespace zelta::companion::testing {

class SampleCodePages : public fakes::FakeCodePages {
public:
    std::optional<std::string> AnsiToConsole(const std::string& text) override {
        return Map(text, "\xE9\xFC", "\x82\x81");
    }
    std::string ConsoleToAnsi(const std::string& text) override { return Map(text, "\x82\x81", "\xE9\xFC"); }

private:
    static std::string Map(std::string text, const std::string& from, const std::string& to) {
        for (char& c : text) {
            const auto at = from.find(c);
            if (at != std::string::npos) c = to[at];
        }
        return text;
    }
};

}  // namespace zelta::companion::testing

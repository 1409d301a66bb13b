#pragma once
// What the stand-ins for system programs record of how they were started.
#include <windows.h>

#include <string>

namespace helpers {

inline std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

inline std::wstring Wide(const std::string& utf8) {
    std::wstring text(utf8.size(), L'\0');  // never more UTF-16 units than UTF-8 bytes
    const int size = static_cast<int>(utf8.size());
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), size)));
    return text;
}

// The command line without the program's own name, as the system handed it over.
inline std::wstring Arguments() {
    const wchar_t* line = GetCommandLineW();
    bool quoted = false;
    while (*line && (quoted || (*line != L' ' && *line != L'\t'))) {
        if (*line == L'"') quoted = !quoted;
        ++line;
    }
    while (*line == L' ' || *line == L'\t') ++line;
    return line;
}

}  // namespace helpers

#include "platform/win32/CodePages_win32.h"

#include <windows.h>

namespace zelta::platform {

namespace {

// strict: refuse bytes that are no character of the code page, instead of putting a replacement in their place.
std::optional<std::wstring> ToWide(const std::string& text, UINT codePage, bool strict = true) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length) != length) {
        return std::nullopt;
    }
    return wide;
}

// Every character the code page lacks becomes a look-alike or the default character. No flags and no
// default-character report: UTF-8 (a system may use it as its ANSI and console code page) refuses the call with
// either, and whether a character was kept is told by converting back instead.
std::optional<std::string> FromWide(const std::wstring& wide, UINT codePage) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, nullptr) != length) {
        return std::nullopt;
    }
    return text;
}

// The text in the code page only when it reads back as the very same characters, for any code page: a look-alike,
// a default character or a replaced stray surrogate reads back as something else.
std::optional<std::string> FromWideExactly(const std::wstring& wide, UINT codePage) {
    auto text = FromWide(wide, codePage);
    if (!text || ToWide(*text, codePage) != wide) return std::nullopt;
    return text;
}

}  // namespace

Win32CodePages::Win32CodePages() : Win32CodePages(GetACP(), GetOEMCP()) {}

Win32CodePages::Win32CodePages(unsigned ansiCodePage, unsigned consoleCodePage)
    : ansi_(ansiCodePage), console_(consoleCodePage) {}

std::optional<std::string> Win32CodePages::AnsiToConsole(const std::string& text) {
    // A byte that is no character of the ANSI code page has no counterpart either.
    const auto wide = ToWide(text, ansi_);
    return wide ? FromWideExactly(*wide, console_) : std::nullopt;
}

std::string Win32CodePages::ConsoleToAnsi(const std::string& text) {
    // A stray byte costs one character, not the whole text.
    const auto wide = ToWide(text, console_, false);
    return wide ? FromWide(*wide, ansi_).value_or(std::string()) : std::string();
}

std::string Win32CodePages::Utf8ToAnsiText(const std::string& utf8, bool& exact) {
    // As the system's profile reader does: stray bytes and missing characters are replaced, not refused.
    const auto strictWide = ToWide(utf8, CP_UTF8);
    const auto wide = strictWide ? strictWide : ToWide(utf8, CP_UTF8, false);
    if (!wide) {
        exact = utf8.empty();
        return std::string();
    }
    std::string ansi = FromWide(*wide, ansi_).value_or(std::string());
    exact = strictWide.has_value() && ToWide(ansi, ansi_, false) == wide;
    return ansi;
}

std::string Win32CodePages::AnsiTextToUtf8(const std::string& text) {
    const auto wide = ToWide(text, ansi_, false);
    return wide ? FromWide(*wide, CP_UTF8).value_or(std::string()) : std::string();
}

}  // namespace zelta::platform

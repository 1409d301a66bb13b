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

// exact: refuse any character the target code page lacks, instead of putting a look-alike or "?" in its place.
std::optional<std::string> FromWide(const std::wstring& wide, UINT codePage, bool exact) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    const DWORD flags = exact ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL usedDefault = FALSE;
    // UTF-8 takes no default-character report; asking for one fails the call.
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, exact ? &usedDefault : nullptr);
    if (length <= 0 || (exact && usedDefault)) return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr, nullptr) != length) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

std::optional<std::string> Win32CodePages::AnsiToConsole(const std::string& text) {
    const auto wide = ToWide(text, CP_ACP);
    if (!wide) return std::nullopt;
    auto oem = FromWide(*wide, CP_OEMCP, true);
    // Only a conversion that reads back to the same characters is exact.
    if (!oem || ToWide(*oem, CP_OEMCP) != wide) return std::nullopt;
    return oem;
}

std::string Win32CodePages::ConsoleToAnsi(const std::string& text) {
    // A stray byte costs one character, not the whole text.
    const auto wide = ToWide(text, CP_OEMCP, false);
    return wide ? FromWide(*wide, CP_ACP, false).value_or(std::string()) : std::string();
}

std::string Win32CodePages::Utf8ToAnsiText(const std::string& utf8, bool& exact) {
    // As the system's profile reader does: stray bytes and missing characters are replaced, not refused.
    const auto strictWide = ToWide(utf8, CP_UTF8);
    const auto wide = strictWide ? strictWide : ToWide(utf8, CP_UTF8, false);
    if (!wide) {
        exact = utf8.empty();
        return std::string();
    }
    std::string ansi = FromWide(*wide, CP_ACP, false).value_or(std::string());
    exact = strictWide.has_value() && ToWide(ansi, CP_ACP, false) == wide;
    return ansi;
}

std::string Win32CodePages::AnsiTextToUtf8(const std::string& text) {
    const auto wide = ToWide(text, CP_ACP, false);
    return wide ? FromWide(*wide, CP_UTF8, false).value_or(std::string()) : std::string();
}

}  // namespace zelta::platform

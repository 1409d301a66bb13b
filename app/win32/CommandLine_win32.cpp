#include "app/win32/CommandLine_win32.h"

#include <windows.h>

namespace zelta::win32 {

std::string CommandLineArguments(bool& exact) {
    exact = true;
    const wchar_t* at = GetCommandLineW();
    if (!at) return {};
    // The program's name, as the C runtime reads it: quoted, or up to the first blank.
    if (*at == L'"') {
        ++at;
        while (*at && *at != L'"') ++at;
        if (*at) ++at;
    } else {
        while (*at && *at != L' ' && *at != L'\t') ++at;
    }
    while (*at == L' ' || *at == L'\t') ++at;
    if (!*at) return {};
    // A system whose ANSI code page is UTF-8 can pass on every character, and takes neither question.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL replaced = FALSE;
    BOOL* ask = utf8 ? nullptr : &replaced;
    const int size = WideCharToMultiByte(CP_ACP, flags, at, -1, nullptr, 0, nullptr, ask);
    if (size <= 0) {
        exact = false;
        return {};
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, at, -1, &text[0], size, nullptr, ask);
    text.resize(static_cast<std::size_t>(size) - 1);
    exact = replaced == FALSE;
    return text;
}

}  // namespace zelta::win32

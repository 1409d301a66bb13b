// Windows XP has no GetTickCount64, and a program that imports it does not start there. The 32-bit MinGW build links
// this definition of the import's address slot in place of kernel32's: on Vista and later it calls the system's own
// function; on XP it counts milliseconds with the performance counter, which is 64 bits wide, so that the deadlines
// measured with it never wrap. The callers only ever compare two readings.
#include <windows.h>

namespace {

ULONGLONG WINAPI TickCount64() {
    using TickCountFn = ULONGLONG(WINAPI*)();
    const auto system = reinterpret_cast<TickCountFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
    if (system) return system();
    // Both succeed on every system from Windows XP on.
    LARGE_INTEGER frequency{};
    LARGE_INTEGER counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    const auto perSecond = static_cast<ULONGLONG>(frequency.QuadPart);
    const auto ticks = static_cast<ULONGLONG>(counter.QuadPart);
    if (perSecond == 0) return GetTickCount();
    return ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond;
}

}  // namespace

// The name the import library gives the address slot of a __stdcall import on 32-bit x86.
extern "C" ULONGLONG(WINAPI* const zelta_tick_count64_slot)() __asm__("__imp__GetTickCount64@0") = TickCount64;

// Windows XP has no GetTickCount64, and a program that imports it does not start there. The 32-bit MinGW build links
// this definition of the import's address slot in place of kernel32's: on Vista and later it calls the system's own
// function; on XP it counts with GetTickCount and the number of times it wrapped (every 49.7 days). The performance
// counter is no substitute: on some multi-core machines of XP's time it jumps, which would end waits early. The
// callers only ever compare two readings.
#include <windows.h>

namespace {

ULONGLONG WrappedTickCount() {
    // The last reading in the low half, the wraps seen in the high half, changed together so that two threads
    // reading at once agree. The one piece of process state here: it stands in for the system's own counter.
    static volatile LONGLONG state = 0;
    for (;;) {
        const LONGLONG seen = InterlockedCompareExchange64(&state, 0, 0);
        const DWORD now = GetTickCount();
        ULONGLONG wraps = static_cast<ULONGLONG>(seen) >> 32;
        if (now < static_cast<DWORD>(seen)) ++wraps;
        const ULONGLONG next = (wraps << 32) | now;
        if (InterlockedCompareExchange64(&state, static_cast<LONGLONG>(next), seen) == seen) return next;
    }
}

ULONGLONG WINAPI TickCount64() {
    using TickCountFn = ULONGLONG(WINAPI*)();
    const auto system = reinterpret_cast<TickCountFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
    return system ? system() : WrappedTickCount();
}

}  // namespace

// The name the import library gives the address slot of a __stdcall import on 32-bit x86.
extern "C" ULONGLONG(WINAPI* const zelta_tick_count64_slot)() __asm__("__imp__GetTickCount64@0") = TickCount64;

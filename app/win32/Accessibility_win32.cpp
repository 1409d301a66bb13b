// The property identifiers are defined here, so that the program needs no import library for them.
#include <initguid.h>

#include "app/win32/Accessibility_win32.h"

namespace zelta::win32 {

namespace {
// The annotation service and its interface, spelled out: the headers of some compilers declare them for a library.
constexpr GUID kAccPropServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}
}  // namespace

Annotations::Annotations() {
    if (FAILED(CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface,
                                reinterpret_cast<void**>(services_.put())))) {
        *services_.put() = nullptr;
    }
}

void Annotations::SetName(HWND window, const std::string& name) {
    if (!services_.get() || !window) return;
    services_->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                              Wide(name).c_str());
}

bool Annotations::SetNumber(HWND window, MSAAPROPID property, LONG number) {
    if (!services_.get() || !window) return false;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = number;
    services_->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, value);
    return true;
}

void Annotations::SetRole(HWND window, LONG role) { SetNumber(window, PROPID_ACC_ROLE, role); }

void Annotations::SetState(HWND window, LONG state) {
    if (SetNumber(window, PROPID_ACC_STATE, state)) {
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    }
}

void Annotations::Clear(HWND window) {
    if (!services_.get() || !window) return;
    MSAAPROPID props[] = {PROPID_ACC_NAME, PROPID_ACC_ROLE, PROPID_ACC_STATE};
    services_->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, props, 3);
}

LONG AccessibleState(HWND window, LONG extra) {
    LONG state = extra;
    if (!IsWindowEnabled(window)) {
        state |= STATE_SYSTEM_UNAVAILABLE;
    } else {
        state |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == window) state |= STATE_SYSTEM_FOCUSED;
    }
    if (!IsWindowVisible(window)) state |= STATE_SYSTEM_INVISIBLE;
    return state;
}

}  // namespace zelta::win32

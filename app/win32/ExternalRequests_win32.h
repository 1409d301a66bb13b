#pragma once
// What reaches the main window from outside its own controls: a later start's request to apply a profile, and the
// notice that the adapter keys changed. Both are answered at once and acted on from the window's own queue.
#include <windows.h>

#include <deque>
#include <string>

#include "app/FormController.h"
#include "app/model/MainForm.h"

namespace zelta::win32 {

class ExternalRequests {
public:
    static constexpr UINT kRunPendingRequest = WM_APP + 1;
    static constexpr UINT_PTR kAdapterRefreshTimerId = 0x7204;
    // Adding an adapter writes several keys one after another: they are read once, when the writes have settled.
    static constexpr UINT kAdapterRefreshDelayMs = 400;

    ExternalRequests(HWND window, MainForm& main, FormController& controller);
    ExternalRequests(const ExternalRequests&) = delete;
    ExternalRequests& operator=(const ExternalRequests&) = delete;

    // A later start's apply request (WM_COPYDATA) and the window's own follow-up messages. Returns true, with the
    // window procedure's result set, when the message was one of these.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Applies the profile of that name as its tray entry would. False, after the error report, when no profile or
    // more than one has that name.
    bool ApplyNamed(const std::string& name);
    // A request of a later start that was answered as taken waits to be applied.
    bool HasPending() const;
    // The adapter keys changed: the list is read again shortly.
    void AdapterKeysChanged();

private:
    LRESULT OnApplyRequest(const COPYDATASTRUCT& data);

    HWND window_;
    MainForm& main_;
    FormController& controller_;
    struct Pending {
        std::string name;
        bool taken;
    };
    std::deque<Pending> pending_;
    bool refreshDue_ = false;
};

}  // namespace zelta::win32

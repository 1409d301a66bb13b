#include "app/win32/ExternalRequests_win32.h"

#include "adapters/AdapterRefresh.h"
#include "app/CommandLine.h"
#include "app/win32/HandlerBoundary_win32.h"
#include "app/win32/SingleInstance_win32.h"

namespace zelta::win32 {

namespace {
constexpr std::size_t kMostPendingRequests = 8;
}

ExternalRequests::ExternalRequests(HWND window, MainForm& main, FormController& controller)
    : window_(window), main_(main), controller_(controller) {}

bool ExternalRequests::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!data || data->dwData != kApplyRequestTag) return false;
        result = OnApplyRequest(*data);
        return true;
    }
    if (message == kRunPendingRequest) {
        if (pending_.empty()) return true;
        const std::string name = pending_.front().name;
        pending_.pop_front();
        ApplyNamed(name);
        return true;
    }
    if (message == WM_TIMER && wParam == kAdapterRefreshTimerId) {
        KillTimer(window_, kAdapterRefreshTimerId);
        refreshDue_ = false;
        RunHandler(window_, [this] { adapters::RefreshAdapters(main_); });
        return true;
    }
    return false;
}

LRESULT ExternalRequests::OnApplyRequest(const COPYDATASTRUCT& data) {
    // Another process's bytes: a bounded name of plain text, or nothing happens.
    if (!data.lpData || data.cbData == 0 || data.cbData > kMaxProfileNameArgument) return kApplyNotTaken;
    const std::string name(static_cast<const char*>(data.lpData), data.cbData);
    // A flood of requests is not queued without end: a user's shortcut sends one at a time.
    if (!IsDeliverableProfileName(name) || pending_.size() >= kMostPendingRequests) return kApplyNotTaken;
    std::string error;
    const bool found = controller_.NamedProfilePosition(name, error) >= 0;
    // Applying may open a message box: it runs once the later start has its answer.
    pending_.push_back({name, found});
    PostMessageA(window_, kRunPendingRequest, 0, 0);
    return found ? kApplyTaken : kApplyNoSuchProfile;
}

bool ExternalRequests::HasPending() const {
    for (const Pending& request : pending_) {
        if (request.taken) return true;
    }
    return false;
}

bool ExternalRequests::ApplyNamed(const std::string& name) {
    std::string error;
    const int position = controller_.NamedProfilePosition(name, error);
    if (position < 0) {
        ShowErrorReport(window_, error.c_str());
        return false;
    }
    RunHandler(window_, [this, position] { controller_.TrayMenuClick(position); });
    return true;
}

void ExternalRequests::AdapterKeysChanged() {
    if (refreshDue_) return;  // the read that is due sees this change too
    refreshDue_ = SetTimer(window_, kAdapterRefreshTimerId, kAdapterRefreshDelayMs, nullptr) != 0;
    if (!refreshDue_) RunHandler(window_, [this] { adapters::RefreshAdapters(main_); });
}

}  // namespace zelta::win32

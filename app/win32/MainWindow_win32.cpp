#include "app/win32/MainWindow_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "app/WindowPlacement.h"
#include "app/model/AccessKeys.h"
#include "app/model/Ipv4Text.h"
#include "app/win32/Accessibility_win32.h"
#include "app/win32/AddressFieldWidth_win32.h"
#include "app/win32/BalloonNotice_win32.h"
#include "app/win32/ExternalRequests_win32.h"
#include "app/win32/FormWindows_win32.h"
#include "app/win32/HandlerBoundary_win32.h"
#include "app/win32/SingleInstance_win32.h"
#include "apply/VerdictNotice.h"
#include "app/win32/Hints_win32.h"
#include "app/win32/TrayIcon_win32.h"
#include "app/win32/TrayMenu_win32.h"
#include "app/win32/Banner_win32.h"
#include "assets/ResourceIds.h"

namespace zelta::win32 {

namespace {
constexpr const char* kFormClass = kMainWindowClass;
constexpr int kClientWidth = 700;
constexpr int kClientHeight = 513;
constexpr int kBannerHeight = 117;
constexpr int kDesignLeft = 478;
constexpr int kDesignTop = 114;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kAddressFieldDesignWidth = 130;
constexpr int kAddressFieldDesignHeight = 21;

// The program is system-aware (its manifest says so): it is laid out once, at the session's dots per inch.
int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// The outer size of the window whose client area is the design size at that scaling.
SIZE FrameSize(int dpi) {
    RECT frame{0, 0, ScaleToDpi(kClientWidth, dpi), ScaleToDpi(kClientHeight, dpi)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

// The work area of the monitor that holds most of the rectangle, or the nearest one.
ScreenRect WorkAreaAt(const RECT& rect) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    RECT work{};
    if (GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) {
        work = monitor.rcWork;
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    }
    return ScreenRect{work.left, work.top, work.right, work.bottom};
}

// At a high scaling on a small screen the window is larger than the screen; it keeps its size all the same. The
// first WM_GETMINMAXINFO comes before WM_NCCREATE, so the size is worked out each time, not kept.
void KeepFullSize(MINMAXINFO& limits) {
    const SIZE frame = FrameSize(SystemDpi());
    limits.ptMaxTrackSize.x = std::max(limits.ptMaxTrackSize.x, frame.cx);
    limits.ptMaxTrackSize.y = std::max(limits.ptMaxTrackSize.y, frame.cy);
}

// Common controls redraw in new system colours only when told of them.
BOOL CALLBACK TellColourChange(HWND window, LPARAM) {
    SendMessageA(window, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}
}  // namespace

void MainWindow::RegisterWindowClasses(HINSTANCE instance) {
    WNDCLASSEXA form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = WindowProc;
    form.hInstance = instance;
    form.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ZELTA));
    form.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_ZELTA), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    form.hCursor = LoadCursor(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;
    RegisterClassExA(&form);

    WNDCLASSA panel{};
    panel.lpfnWndProc = PanelProc;
    panel.hInstance = instance;
    panel.hCursor = LoadCursor(nullptr, IDC_ARROW);
    panel.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    panel.lpszClassName = kPanelClass;
    RegisterClassA(&panel);

    ItemBarWindow::RegisterWindowClass(instance);
}

MainWindow::MainWindow(HINSTANCE instance, ApplicationWindow& application, MainForm& main,
                       FormController& controller)
    : instance_(instance), application_(application), main_(main), controller_(controller) {
    showRequest_ = RegisterWindowMessageA(kShowInstanceMessageName);
    annotations_ = std::make_unique<Annotations>();
    dpi_ = SystemDpi();
    const SIZE frame = FrameSize(dpi_);
    const RECT designed{S(kDesignLeft), S(kDesignTop), S(kDesignLeft) + frame.cx, S(kDesignTop) + frame.cy};
    const ScreenPoint at = OpeningPosition(kDesignLeft, kDesignTop, dpi_, frame.cx, frame.cy, WorkAreaAt(designed));
    // An owned window has no taskbar button: the owner carries it. Unowned, the main window carries its own.
    const bool ownButton = !application_.CarriesTaskbarButton();
    hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT | (ownButton ? WS_EX_APPWINDOW : 0), kFormClass,
                            main_.form.Caption.Text().c_str(), kFormStyle, at.x, at.y, frame.cx, frame.cy,
                            ownButton ? nullptr : application_.Hwnd(), nullptr, instance, this);
    main_.closeMainWindow = [this] { PostMessageA(hwnd_, WM_CLOSE, 0, 0); };
    application_.onMinimiseRequest = [this] { HideToTray(); };
    application_.onRestoreRequest = [this] { Restore(); };
    application_.onActivate = [this] {
        if (IsWindowVisible(hwnd_)) SetForegroundWindow(hwnd_);
    };
    application_.onCloseRequest = [this] { PostMessageA(hwnd_, WM_CLOSE, 0, 0); };
}

MainWindow::~MainWindow() {
    for (Control* control : main_.form.All()) control->view = nullptr;
    itemBars_.clear();
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

Notifier& MainWindow::Notices() { return *balloon_; }
ExternalRequests& MainWindow::Requests() { return *requests_; }

int MainWindow::S(int value) const { return ScaleToDpi(value, dpi_); }

HWND MainWindow::CreateFromRow(std::size_t index) {
    const FormControlRow& row = kFormControls[index];
    const Control* control = main_.form.Find(row.id);  // none for a labelled edit's caption
    HWND parent = row.parent == kId_Form1 ? hwnd_ : windows_[row.parent];
    if ((row.kind == ControlKind::IpAddress || row.style == FormStyle::AddressLabel) && addressFieldWidth_ == 0) {
        addressFieldWidth_ = AddressFieldWidth(instance_, parent, fonts_.regular.get(), S(kAddressFieldDesignWidth),
                                               S(kAddressFieldDesignHeight));
    }
    RECT at = PlaceInPixels(index, dpi_, addressFieldWidth_);
    if (row.kind == ControlKind::Panel) {
        RECT status{};
        GetWindowRect(windows_[kId_StatusBar1], &status);
        at.bottom -= status.bottom - status.top;
    }
    HWND window = CreateRowWindow(instance_, parent, row, at, control ? control->Text().c_str() : row.caption,
                                  control ? control->Visible() : (row.state & kHidden) == 0,
                                  control ? control->Enabled() : (row.state & kDisabled) == 0, fonts_);
    windows_[row.id] = window;
    if (!control) return window;
    if (!control->Hint().empty()) AddHint(tooltip_, window, control->Hint());
    if (control->maxLength > 0) SendMessageA(window, EM_SETLIMITTEXT, static_cast<WPARAM>(control->maxLength), 0);
    if (control->Checked()) SendMessageA(window, BM_SETCHECK, BST_CHECKED, 0);
    if (row.kind == ControlKind::IpAddress) ShowInWindow(*control, ControlProperty::Text);
    return window;
}

void MainWindow::CreateItemBar(ItemBar& bar, HWND parent) {
    itemBars_.push_back(std::make_unique<ItemBarWindow>(parent, bar, fonts_.regular.get(), fonts_.bold.get(), tooltip_,
                                                        dpi_, *annotations_));
    itemBars_.back()->onHeightChanged = [this] { LayoutLeftPanel(); };
    itemBars_.back()->SetMarksChoice(bar.Id() != kId_XPBar_Contact);
    windows_[bar.Id()] = itemBars_.back()->Hwnd();
    LayoutLeftPanel();
}

void MainWindow::SetUpStatusBar() {
    HWND status = windows_[kId_StatusBar1];
    int parts[2] = {S(182), -1};
    SendMessageA(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    ShowInWindow(main_.form.StatusBar1, ControlProperty::Panels);
}

void MainWindow::CreateControls() {
    fonts_ = MakeFormFonts(dpi_);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_,
                               nullptr);
    SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, S(400));
    banner_ = LoadBannerBitmap(instance_, IDR_BANNER, S(kClientWidth), S(kBannerHeight));
    if (banner_) bannerBrush_.reset(CreatePatternBrush(banner_.get()));

    for (std::size_t index = 0; index < kFormControlCount; ++index) {
        const FormControlRow& row = kFormControls[index];
        if (row.kind == ControlKind::ItemBar) {
            CreateItemBar(static_cast<ItemBar&>(*main_.form.Find(row.id)), windows_[row.parent]);
            continue;
        }
        HWND window = CreateFromRow(index);
        switch (row.kind) {
            case ControlKind::Picture:
                // The banner lies beneath the labels drawn over it.
                SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                break;
            case ControlKind::StatusBar:
                SetUpStatusBar();
                break;
            default:
                break;
        }
        if (row.style == FormStyle::BannerTitle || row.style == FormStyle::BannerName ||
            row.style == FormStyle::BannerLine) {
            bannerLabels_.push_back(window);
        }
    }
    // Group boxes sit beneath the controls they frame.
    for (const FormControlRow& row : kFormControls) {
        if (row.kind != ControlKind::GroupBox) continue;
        SetWindowPos(windows_[row.id], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    AnnotateControls();
    FollowSystemSettings();
}

void MainWindow::AnnotateControls() {
    for (std::size_t index = 0; index < kFormControlCount; ++index) {
        const FormControlRow& row = kFormControls[index];
        if (row.kind == ControlKind::IpAddress && index > 0) {
            // An address field is four edits in a frame: the frame and each of its parts take the name of the label
            // before it, which the parts, having no label of their own before them, would not find.
            const std::string name = ReadableCaption(main_.form.Find(kFormControls[index - 1].id)->Text());
            HWND field = windows_[row.id];
            annotations_->SetName(field, name);
            for (HWND part = GetWindow(field, GW_CHILD); part; part = GetWindow(part, GW_HWNDNEXT)) {
                annotations_->SetName(part, name);
            }
        } else if (row.kind == ControlKind::GroupBox && index + 1 < kFormControlCount) {
            // A group box has no caption of its own: the check box after it names it.
            annotations_->SetName(windows_[row.id],
                                  ReadableCaption(main_.form.Find(kFormControls[index + 1].id)->Text()));
        }
    }
}

void MainWindow::FollowSystemSettings() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool high = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                      (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    BOOL animate = TRUE;
    // Windows XP has no such setting: the caption animates there as it always did.
    if (!SystemParametersInfoA(SPI_GETCLIENTAREAANIMATION, 0, &animate, 0)) animate = TRUE;
    animationsOn_ = animate != FALSE;
    if (!animationsOn_ && animation_.Running() && CurrentCaption() != animation_.FinalCaption()) {
        ShowCaption(animation_.FinalCaption());
    }
    if (high == highContrast_) return;
    highContrast_ = high;
    for (auto& bar : itemBars_) bar->SetHighContrast(high);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void MainWindow::HoldLayout(bool hold) {
    for (auto& bar : itemBars_) bar->HoldLayout(hold);
    if (!hold) LayoutLeftPanel();
}

void MainWindow::LayoutLeftPanel() {
    if (itemBars_.size() != 3) return;
    RECT client;
    GetClientRect(windows_[kId_Panel_Left], &client);
    const int margin = S(6);
    const int width = client.right - 2 * margin;
    ItemBarWindow& nics = *itemBars_[0];
    ItemBarWindow& profiles = *itemBars_[1];
    ItemBarWindow& contact = *itemBars_[2];
    const int contactHeight = contact.DesiredHeight();
    const int contactTop = client.bottom - margin - contactHeight;
    int y = margin;
    const int nicsHeight = std::min(nics.DesiredHeight(), std::max(0, contactTop - y - margin));
    nics.Place(margin, y, width, nicsHeight);
    y += nicsHeight + margin;
    const int profilesHeight = std::min(profiles.DesiredHeight(), std::max(0, contactTop - y - margin));
    profiles.Place(margin, y, width, profilesHeight);
    contact.Place(margin, contactTop, width, contactHeight);
}

void MainWindow::BindViews() {
    for (Control* control : main_.form.All()) {
        if (control->Kind() == ControlKind::ItemBar) continue;  // item bars mirror themselves
        control->view = [this](const Control& changed, ControlProperty property) { ShowInWindow(changed, property); };
    }
}

void MainWindow::ShowInWindow(const Control& control, ControlProperty property) {
    HWND window = control.Kind() == ControlKind::Form ? hwnd_ : windows_[control.Id()];
    if (!window) return;
    updatingView_ = true;
    switch (property) {
        case ControlProperty::Text: {
            // A change that came from the window itself is not written back: that would move the caret of the
            // edit the user is typing in.
            char current[1024] = {};
            GetWindowTextA(window, current, sizeof(current));
            if (control.Text() == current) break;
            if (control.Kind() == ControlKind::IpAddress) {
                // The field's own number has the first octet in its highest byte, as the reader gives it.
                const std::optional<std::uint32_t> address = DottedQuadValue(control.Text());
                if (!address || *address == 0) {
                    SendMessageA(window, IPM_CLEARADDRESS, 0, 0);
                } else {
                    SendMessageA(window, IPM_SETADDRESS, 0, static_cast<LPARAM>(*address));
                }
            } else {
                SetWindowTextA(window, control.Text().c_str());
            }
            break;
        }
        case ControlProperty::Hint:
            UpdateHint(tooltip_, window, control.Hint());
            break;
        case ControlProperty::Enabled: {
            // A control that loses its enabled state while it has the focus first hands the focus on, or the focus
            // would be left on nothing and the keyboard could not reach the window again.
            HWND focus = GetFocus();
            if (!control.Enabled() && focus && (focus == window || IsChild(window, focus))) {
                FocusOn(NextFocus(main_.form, FocusStop{control.Id(), false}));
            }
            EnableWindow(window, control.Enabled());
            break;
        }
        case ControlProperty::Visible:
            ShowWindow(window, control.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case ControlProperty::Checked:
            SendMessageA(window, BM_SETCHECK, control.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ControlProperty::Panels: {
            const auto& bar = static_cast<const StatusBar&>(control);
            SendMessageA(window, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(bar.PanelText(0).c_str()));
            const std::string rightAligned = "\t\t" + bar.PanelText(1);
            SendMessageA(window, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(rightAligned.c_str()));
            break;
        }
        default:
            break;
    }
    updatingView_ = false;
}

void MainWindow::OnCommand(int id, int code, HWND window) {
    Control* control = main_.form.Find(id);
    if (!control || updatingView_ || !window) return;
    switch (control->Kind()) {
        case ControlKind::Button:
            if (code == BN_CLICKED) RunHandler(hwnd_, [control] { control->Click(); });
            break;
        case ControlKind::CheckBox:
            if (code == BN_CLICKED) {
                const bool checked = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
                RunHandler(hwnd_, [control, checked] { control->SetChecked(checked); });
            }
            break;
        case ControlKind::LabelledEdit:
        case ControlKind::IpAddress:
            if (code == EN_CHANGE) {
                char text[1024] = {};
                GetWindowTextA(window, text, sizeof(text));
                const std::string value = text;
                RunHandler(hwnd_, [control, value] { control->SetText(value); });
            }
            break;
        default:
            break;
    }
}

LRESULT MainWindow::OnLabelColour(HDC dc, HWND label) {
    for (HWND bannerLabel : bannerLabels_) {
        if (bannerLabel != label) continue;
        if (highContrast_) {
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            SetBkMode(dc, OPAQUE);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, TRANSPARENT);
        if (!bannerBrush_) return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
        // The label paints the part of the banner it covers, so it looks drawn on the picture.
        RECT rect;
        GetWindowRect(label, &rect);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rect), 2);
        SetBrushOrgEx(dc, -rect.left, -rect.top, nullptr);
        return reinterpret_cast<LRESULT>(bannerBrush_.get());
    }
    return DefWindowProcA(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
}

std::string MainWindow::CurrentCaption() const {
    // The window's own caption decides, so a caption that another part wrote is overwritten on the next tick.
    char current[256] = {};
    GetWindowTextA(hwnd_, current, sizeof(current));
    return current;
}

void MainWindow::ShowCaption(const std::string& next) {
    Control& caption = main_.form.Caption;
    if (next == caption.Text()) {
        SetWindowTextA(hwnd_, next.c_str());
    } else {
        caption.SetText(next);
    }
}

void MainWindow::AnimateCaption() {
    if (!animation_.Running()) return;
    if (!animationsOn_) {
        // With the system's animation effects off the caption stands still on the title; a caption that another
        // part wrote gives way to it on the next tick, as it does to the animation.
        if (CurrentCaption() != animation_.FinalCaption()) ShowCaption(animation_.FinalCaption());
        return;
    }
    ShowCaption(animation_.Tick(CurrentCaption()));
}

void MainWindow::OnVisibilityChanged(bool visible) {
    const AnimationCommand command = animation_.VisibilityChanged(visible, CurrentCaption());
    if (command.stopTimer) KillTimer(hwnd_, kAnimationTimerId);
    if (command.caption) ShowCaption(animationsOn_ ? *command.caption : animation_.FinalCaption());
    if (command.startTimer) SetTimer(hwnd_, kAnimationTimerId, kAnimationStepMs, nullptr);
    if (balloon_) balloon_->OnAnchorVisibilityChanged(visible && !Minimised());
}

bool MainWindow::Minimised() const { return application_.Minimised() || IsIconic(hwnd_); }

void MainWindow::HideToTray() {
    // A main window that carries its own button takes it along when it hides.
    if (application_.CarriesTaskbarButton() && !application_.Minimised()) application_.Minimise();
    ShowWindow(hwnd_, SW_HIDE);
    application_.HideTaskbarButton();
    if (balloon_) balloon_->OnAnchorVisibilityChanged(false);
}

void MainWindow::Restore() {
    application_.ShowTaskbarButton();
    application_.RestoreFromMinimised();
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd_);
    if (balloon_) balloon_->OnAnchorVisibilityChanged(true);
}

void MainWindow::OnTrayMenu(POINT at) {
    RunHandler(hwnd_, [this] { controller_.TrayMenuOpening(); });
    const int position = PopupTrayMenu(hwnd_, main_.trayMenu, menuPictures_.get(), at);
    if (position >= 0) RunHandler(hwnd_, [this, position] { controller_.TrayMenuClick(position); });
}

ItemBarWindow* MainWindow::BarOf(int id) const {
    for (const auto& bar : itemBars_) {
        if (bar->Id() == id) return bar.get();
    }
    return nullptr;
}

HWND MainWindow::WindowOf(const FocusStop& stop) const {
    if (ItemBarWindow* bar = BarOf(stop.id)) return stop.barEntries ? bar->EntryStop() : bar->Header();
    const auto found = windows_.find(stop.id);
    return found == windows_.end() ? nullptr : found->second;
}

FocusStop MainWindow::StopOf(HWND window) const {
    for (const FocusStop& stop : TabOrder()) {
        if (stop.barEntries) {
            ItemBarWindow* bar = BarOf(stop.id);
            if (bar && bar->IsEntry(window)) return stop;
            continue;
        }
        HWND own = WindowOf(stop);
        if (own && (own == window || IsChild(own, window))) return stop;
    }
    return {};
}

void MainWindow::FocusOn(const FocusStop& stop) {
    HWND window = WindowOf(stop);
    SetFocus(window ? window : hwnd_);
}

bool MainWindow::OnActivate(bool active, bool minimised) {
    if (balloon_) balloon_->OnAnchorActivated(active);
    if (!active) {
        // Kept as a place in the Tab order, not a window: the place may be disabled by the time the window is back.
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) savedFocus_ = StopOf(focus);
        return false;
    }
    if (minimised) return false;
    FocusOn(RestoredFocus(main_.form, savedFocus_));
    return true;
}

bool MainWindow::PreTranslate(MSG& message) {
    if (message.message == WM_KEYDOWN) {
        for (const auto& bar : itemBars_) {
            if (bar->IsEntry(message.hwnd)) {
                if (bar->MoveAmongEntries(message.hwnd, message.wParam)) return true;
                break;
            }
        }
    }
    // Enter clicks the focused push button or bar entry, as Space does; check boxes keep Enter to themselves.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && IsChild(hwnd_, message.hwnd)) {
        char className[16] = {};
        GetClassNameA(message.hwnd, className, sizeof(className));
        const LONG type = GetWindowLongA(message.hwnd, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpiA(className, "BUTTON") == 0 &&
            (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW)) {
            SendMessageA(message.hwnd, BM_CLICK, 0, 0);
            return true;
        }
    }
    return IsDialogMessageA(hwnd_, &message) != FALSE;
}

LRESULT CALLBACK MainWindow::PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_DRAWITEM:
            // Controls on a panel report to the main window, which owns every handler.
            return SendMessageA(GetAncestor(hwnd, GA_ROOT), message, wParam, lParam);
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETMINMAXINFO) {
        KeepFullSize(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    }
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (self->tray_) {
        LRESULT result = 0;
        if (self->tray_->HandleMessage(message, wParam, lParam, result)) return result;
    }
    if (self->requests_) {
        LRESULT result = 0;
        if (self->requests_->HandleMessage(message, wParam, lParam, result)) return result;
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == showRequest_ && showRequest_ != 0) {
        Restore();
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            if (balloon_ && balloon_->HandleNotify(*reinterpret_cast<const NMHDR*>(lParam))) return 0;
            break;
        case WM_ACTIVATE:
            if (OnActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0)) return 0;
            break;
        case WM_NEXTDLGCTL:
            OnNextControl(wParam, LOWORD(lParam) != 0);
            return 0;
        case WM_SETTINGCHANGE:
            FollowSystemSettings();
            break;
        case WM_SYSCOLORCHANGE:
            EnumChildWindows(hwnd_, TellColourChange, 0);
            FollowSystemSettings();
            break;
        case WM_SHOWWINDOW:
            OnVisibilityChanged(wParam != FALSE);
            break;
        case WM_CTLCOLORSTATIC:
            return OnLabelColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DRAWITEM:
            if (reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlID != static_cast<UINT>(kId_Image1)) break;
            DrawBanner(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COPYDATA:
            if (OnVerdict(reinterpret_cast<const COPYDATASTRUCT*>(lParam))) return TRUE;
            break;
        case WM_NCHITTEST:
            return WMNCHitTest(static_cast<int>(DefWindowProcA(hwnd_, message, wParam, lParam)));
        case WM_TIMER:
            if (wParam == kAnimationTimerId) {
                AnimateCaption();
                return 0;
            }
            if (balloon_ && balloon_->HandleTimer(wParam)) return 0;
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                HideToTray();
                return 0;
            }
            break;
        case WM_MOVE:
            if (balloon_) balloon_->OnAnchorMoved();
            break;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void MainWindow::OnCreate() {
    CreateControls();
    BindViews();
    iconLarge_.reset(static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_ZELTA), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
    iconSmall_.reset(static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_ZELTA), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    menuPictures_.reset(static_cast<HBITMAP>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDB_IL_ZELTA), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    balloon_ = std::make_unique<BalloonNotifier>(hwnd_);
    requests_ = std::make_unique<ExternalRequests>(hwnd_, main_, controller_);
    // The tray icon is in the notification area before start-up runs; the caption animation starts when the window
    // is first shown (WM_SHOWWINDOW).
    tray_ = std::make_unique<TrayIcon>(hwnd_, iconSmall_.get());
    tray_->onSingleClick = [this] {
        if (Minimised() || !IsWindowVisible(hwnd_)) {
            Restore();
        } else {
            HideToTray();
        }
    };
    tray_->onContextMenu = [this](POINT position) { OnTrayMenu(position); };
    balloon_->trayNotice = [this](const std::string& text, const std::string& title, bool warning) {
        return tray_ && tray_->ShowNotification(title, text, warning);
    };
}

void MainWindow::OnNextControl(WPARAM which, bool isWindow) {
    // The keyboard's moves among the controls (an Alt+letter of a label: the field after it), as a dialog takes
    // them. A frame of controls (a bar, a panel) is no place for the focus.
    HWND target = isWindow ? reinterpret_cast<HWND>(which) : GetNextDlgTabItem(hwnd_, GetFocus(), which != 0);
    if (target && IsChild(hwnd_, target) && !(GetWindowLongA(target, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) {
        SetFocus(target);
    }
}

void MainWindow::DrawBanner(const DRAWITEMSTRUCT& item) {
    UniqueMemoryDc memory(banner_ && !highContrast_ ? CreateCompatibleDC(item.hDC) : nullptr);
    if (highContrast_) {
        // The labels over the banner are read in the system's colours, on its plain window colour.
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    } else if (memory) {
        // Already at the banner's size: the labels' brush shows the same pixels at the same places.
        ScopedSelection picture(memory.get(), banner_.get());
        BitBlt(item.hDC, 0, 0, item.rcItem.right, item.rcItem.bottom, memory.get(), 0, 0, SRCCOPY);
    } else {
        FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
}

bool MainWindow::OnVerdict(const COPYDATASTRUCT* data) {
    // The companion's verdict on the last activation.
    if (!data || data->dwData != companion::kVerdictCopyDataTag || !data->lpData) return false;
    const std::string verdict(static_cast<const char*>(data->lpData), data->cbData);
    RunHandler(hwnd_, [this, &verdict] { apply::ReceiveVerdict(main_, verdict); });
    if (tray_) tray_->SetTip(main_.state.TrayTip);
    return true;
}

void MainWindow::OnClose() {
    RunHandler(hwnd_, [this] { controller_.FormClose(); });
    if (balloon_) balloon_->OnAnchorClosing();
    KillTimer(hwnd_, kAnimationTimerId);
    SetWindowTextA(hwnd_, animation_.FinalCaption().c_str());
    tray_.reset();
    KillTimer(hwnd_, ExternalRequests::kAdapterRefreshTimerId);
    DestroyWindow(hwnd_);
}

}  // namespace zelta::win32

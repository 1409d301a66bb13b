#include "app/win32/ItemBar_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "app/win32/HandlerBoundary_win32.h"
#include "app/win32/Hints_win32.h"

namespace zelta::win32 {

namespace {
constexpr char kClassName[] = "TXPBar";
constexpr char kBodyClassName[] = "TXPBarBody";
constexpr int kHeaderHeight = 26;
constexpr int kItemHeight = 19;
constexpr int kPadding = 4;
constexpr COLORREF kHeaderTop = RGB(49, 106, 197);
constexpr COLORREF kHeaderText = RGB(255, 255, 255);
constexpr COLORREF kBodyColour = RGB(214, 223, 247);
constexpr COLORREF kItemText = RGB(33, 93, 198);

}  // namespace

void ItemBarWindow::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    windowClass.lpfnWndProc = BodyProc;
    windowClass.lpszClassName = kBodyClassName;
    RegisterClassA(&windowClass);
}

ItemBarWindow::ItemBarWindow(HWND parent, ItemBar& model, HFONT font, HFONT headerFont, HWND tooltip, int scale96)
    : model_(model), font_(font), headerFont_(headerFont), tooltip_(tooltip), scale96_(scale96) {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, model.Text().c_str(),
                            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10, 10, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(model.Id())), instance, this);
    header_ = CreateWindowExA(0, "BUTTON", model.Text().c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0,
                              0, 10, 10, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHeaderId)), instance,
                              nullptr);
    SendMessageA(header_, WM_SETFONT, reinterpret_cast<WPARAM>(headerFont_), FALSE);
    body_ = CreateWindowExA(WS_EX_CONTROLPARENT, kBodyClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                            10, 10, hwnd_, nullptr, instance, this);
    model_.view = [this](const Control&, ControlProperty property) {
        if (property == ControlProperty::Items) RebuildItems();
        if ((property == ControlProperty::Items || property == ControlProperty::Expanded) && !layoutHeld_) {
            LayoutChildren();
            if (onHeightChanged) onHeightChanged();
        }
    };
    RebuildItems();
}

ItemBarWindow::~ItemBarWindow() {
    model_.view = nullptr;
    if (IsWindow(hwnd_)) {
        for (HWND item : items_) RemoveHint(tooltip_, item);
        DestroyWindow(hwnd_);
    }
}

int ItemBarWindow::ContentHeight() const { return Scaled(kPadding) * 2 + Scaled(kItemHeight) * model_.Count(); }

int ItemBarWindow::DesiredHeight() const {
    return Scaled(kHeaderHeight) + (model_.Expanded() ? ContentHeight() : 0);
}

void ItemBarWindow::Place(int x, int y, int width, int height) {
    width_ = width;
    MoveWindow(hwnd_, x, y, width, height, TRUE);
    LayoutChildren();
}

void ItemBarWindow::RebuildItems() {
    // The item windows are kept and only what changed is redone: start-up adds the stored profiles one at a time,
    // and making every item window again on each addition made twenty profiles cost two hundred windows.
    while (items_.size() > static_cast<std::size_t>(model_.Count())) {
        RemoveHint(tooltip_, items_.back());
        DestroyWindow(items_.back());
        items_.pop_back();
        shown_.pop_back();
    }
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd_, GWLP_HINSTANCE));
    for (int index = 0; index < model_.Count(); ++index) {
        const BarItem& item = model_.Item(index);
        const std::string hint = model_.ShowHints() ? item.hint : std::string();
        const auto at = static_cast<std::size_t>(index);
        if (at < items_.size()) {
            if (shown_[at].caption != item.caption) {
                SetWindowTextA(items_[at], item.caption.c_str());
                InvalidateRect(items_[at], nullptr, TRUE);
            }
            if (shown_[at].hint != hint) {
                RemoveHint(tooltip_, items_[at]);
                if (!hint.empty()) AddHint(tooltip_, items_[at], hint);
            }
            shown_[at] = BarItem{item.caption, hint};
            continue;
        }
        HWND button = CreateWindowExA(0, "BUTTON", item.caption.c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, 0, 0, 10, 10,
                                      body_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstItemId + index)),
                                      instance, nullptr);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (!hint.empty()) AddHint(tooltip_, button, hint);
        items_.push_back(button);
        shown_.push_back(BarItem{item.caption, hint});
    }
}

void ItemBarWindow::LayoutChildren() {
    const int headerHeight = Scaled(kHeaderHeight);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int bodyHeight = std::max(0, static_cast<int>(client.bottom) - headerHeight);
    MoveWindow(header_, 0, 0, width_, headerHeight, TRUE);
    MoveWindow(body_, 0, headerHeight, width_, bodyHeight, TRUE);
    ShowWindow(body_, model_.Expanded() ? SW_SHOWNA : SW_HIDE);

    // The scroll bar shows only while the items need more room than the body has.
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof(scroll);
    scroll.fMask = SIF_RANGE | SIF_PAGE;
    scroll.nMax = ContentHeight() - 1;
    scroll.nPage = static_cast<UINT>(bodyHeight);
    SetScrollInfo(body_, SB_VERT, &scroll, TRUE);
    const int maxScroll = std::max(0, ContentHeight() - bodyHeight);
    scrollPos_ = std::min(scrollPos_, maxScroll);
    RECT bodyClient;
    GetClientRect(body_, &bodyClient);
    const int itemWidth = static_cast<int>(bodyClient.right) - Scaled(16);

    int y = Scaled(kPadding) - scrollPos_;
    for (HWND item : items_) {
        // Items already in place are left alone: every addition of a profile lays the whole bar out again.
        RECT now;
        GetWindowRect(item, &now);
        MapWindowPoints(nullptr, body_, reinterpret_cast<POINT*>(&now), 2);
        if (now.left != Scaled(12) || now.top != y || now.right - now.left != itemWidth ||
            now.bottom - now.top != Scaled(kItemHeight)) {
            // Moved items are painted afresh: copying their old pixels would show a stale list while scrolling.
            SetWindowPos(item, nullptr, Scaled(12), y, itemWidth, Scaled(kItemHeight),
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
        }
        y += Scaled(kItemHeight);
    }
    SetScrollPos(body_, SB_VERT, scrollPos_, TRUE);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void ItemBarWindow::FillBody(HWND window, HDC dc) const {
    RECT rect;
    GetClientRect(window, &rect);
    HBRUSH body = CreateSolidBrush(kBodyColour);
    FillRect(dc, &rect, body);
    DeleteObject(body);
}

void ItemBarWindow::ScrollTo(int position) {
    RECT body;
    GetClientRect(body_, &body);
    const int maxScroll = std::max(0, ContentHeight() - static_cast<int>(body.bottom));
    const int clamped = std::max(0, std::min(position, maxScroll));
    if (clamped == scrollPos_) return;
    scrollPos_ = clamped;
    LayoutChildren();
}

void ItemBarWindow::ScrollIntoView(HWND item) {
    RECT itemRect;
    RECT body;
    GetWindowRect(item, &itemRect);
    MapWindowPoints(nullptr, body_, reinterpret_cast<POINT*>(&itemRect), 2);
    GetClientRect(body_, &body);
    if (itemRect.top < 0) ScrollTo(scrollPos_ + itemRect.top);
    if (itemRect.bottom > body.bottom) ScrollTo(scrollPos_ + itemRect.bottom - body.bottom);
}

void ItemBarWindow::DrawButton(const DRAWITEMSTRUCT& item) const {
    char text[512] = {};
    GetWindowTextA(item.hwndItem, text, sizeof(text));
    RECT rect = item.rcItem;
    HDC dc = item.hDC;
    SetBkMode(dc, TRANSPARENT);
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    if (item.hwndItem == header_) {
        TRIVERTEX vertices[2] = {
            {rect.left, rect.top, 0x7000, 0xA000, 0xF000, 0},
            {rect.right, rect.bottom, static_cast<COLOR16>(GetRValue(kHeaderTop) << 8),
             static_cast<COLOR16>(GetGValue(kHeaderTop) << 8), static_cast<COLOR16>(GetBValue(kHeaderTop) << 8), 0}};
        GRADIENT_RECT gradient{0, 1};
        const auto gradientFill = gradients_.Function<decltype(GradientFill)>("GradientFill");
        if (!gradientFill || !gradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_H)) {
            const HBRUSH plain = CreateSolidBrush(kHeaderTop);
            FillRect(dc, &rect, plain);
            DeleteObject(plain);
        }
        SetTextColor(dc, kHeaderText);
        RECT textRect = rect;
        textRect.left += Scaled(8);
        SelectObject(dc, headerFont_);
        DrawTextA(dc, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
        RECT marker = rect;
        marker.right -= Scaled(8);
        DrawTextA(dc, model_.Expanded() ? "\xAB" : "\xBB", -1, &marker, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    } else {
        HBRUSH body = CreateSolidBrush(kBodyColour);
        FillRect(dc, &rect, body);
        DeleteObject(body);
        SetTextColor(dc, (item.itemState & ODS_SELECTED) ? RGB(0, 0, 128) : kItemText);
        SelectObject(dc, font_);
        RECT textRect = rect;
        textRect.left += Scaled(2);
        DrawTextA(dc, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    if (focused) DrawFocusRect(dc, &rect);
}

LRESULT CALLBACK ItemBarWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ItemBarWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && self->hwnd_ == hwnd) return self->HandleMessage(message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ItemBarWindow::BodyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ItemBarWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_COMMAND:
        case WM_DRAWITEM:
            return self->HandleMessage(message, wParam, lParam);
        case WM_ERASEBKGND:
            self->FillBody(hwnd, reinterpret_cast<HDC>(wParam));
            return TRUE;
        case WM_VSCROLL: {
            SCROLLINFO scroll{};
            scroll.cbSize = sizeof(scroll);
            scroll.fMask = SIF_ALL;
            GetScrollInfo(hwnd, SB_VERT, &scroll);
            const int line = self->Scaled(kItemHeight);
            const int page = static_cast<int>(scroll.nPage);
            int position = self->scrollPos_;
            switch (LOWORD(wParam)) {
                case SB_LINEUP: position -= line; break;
                case SB_LINEDOWN: position += line; break;
                case SB_PAGEUP: position -= page; break;
                case SB_PAGEDOWN: position += page; break;
                case SB_TOP: position = 0; break;
                case SB_BOTTOM: position = scroll.nMax; break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: position = scroll.nTrackPos; break;
                default: break;
            }
            self->ScrollTo(position);
            return 0;
        }
        case WM_MOUSEWHEEL:
            self->ScrollTo(self->scrollPos_ - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3 * self->Scaled(kItemHeight));
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT ItemBarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_SETFOCUS && LOWORD(wParam) >= kFirstItemId) {
                ScrollIntoView(reinterpret_cast<HWND>(lParam));
                return 0;
            }
            if (HIWORD(wParam) == BN_CLICKED) {
                const int id = LOWORD(wParam);
                HWND owner = GetAncestor(hwnd_, GA_ROOT);
                if (id == kHeaderId) {
                    RunHandler(owner, [this] { model_.SetExpanded(!model_.Expanded()); });
                } else if (id >= kFirstItemId) {
                    // The index is taken at the moment of the click.
                    RunHandler(owner, [this, id] { model_.ClickItem(id - kFirstItemId); });
                }
                return 0;
            }
            break;
        case WM_DRAWITEM:
            DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ERASEBKGND:
            FillBody(hwnd_, reinterpret_cast<HDC>(wParam));
            return TRUE;
        default:
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace zelta::win32

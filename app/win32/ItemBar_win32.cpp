#include "app/win32/ItemBar_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "app/model/ControlIds.h"
#include "app/win32/Accessibility_win32.h"
#include "app/win32/HandlerBoundary_win32.h"
#include "app/win32/Hints_win32.h"

namespace zelta::win32 {

namespace {
constexpr char kClassName[] = "TXPBar";
constexpr char kBodyClassName[] = "TXPBarBody";
constexpr int kHeaderHeight = 26;
constexpr int kItemHeight = 19;
constexpr int kPadding = 4;

COLORREF Colour(Rgb rgb) { return RGB(rgb.r, rgb.g, rgb.b); }

void FillWith(HDC dc, const RECT& rect, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

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

ItemBarWindow::ItemBarWindow(HWND parent, ItemBar& model, HFONT font, HFONT headerFont, HWND tooltip, int scale96,
                             Annotations& annotations)
    : model_(model),
      font_(font),
      headerFont_(headerFont),
      tooltip_(tooltip),
      scale96_(scale96),
      annotations_(annotations) {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, model.Text().c_str(),
                            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10, 10, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(model.Id())), instance, this);
    header_ = CreateWindowExA(0, "BUTTON", model.Text().c_str(),
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, 0, 0, 10, 10, hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kItemBarHeaderId)), instance, nullptr);
    SendMessageA(header_, WM_SETFONT, reinterpret_cast<WPARAM>(headerFont_), FALSE);
    body_ = CreateWindowExA(WS_EX_CONTROLPARENT, kBodyClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                            10, 10, hwnd_, nullptr, instance, this);
    annotations_.SetRole(body_, ROLE_SYSTEM_LIST);
    annotations_.SetName(body_, model.Text());
    AnnotateHeader();
    model_.view = [this](const Control&, ControlProperty property) {
        if (property == ControlProperty::Items) RebuildItems();
        if (property == ControlProperty::Expanded) AnnotateHeader();
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
        for (HWND item : items_) {
            RemoveHint(tooltip_, item);
            annotations_.Clear(item);
        }
        annotations_.Clear(header_);
        annotations_.Clear(body_);
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
        annotations_.Clear(items_.back());
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
                // Another entry moved up into this place (a deletion): the choice was not this one.
                if (chosen_ == index) chosen_ = -1;
                SetWindowTextA(items_[at], item.caption.c_str());
                annotations_.SetName(items_[at], item.caption);
                AnnotateEntry(index);
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
                                      WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_NOTIFY, 0, 0, 10, 10,
                                      body_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kItemBarFirstItemId + index)),
                                      instance, nullptr);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (!hint.empty()) AddHint(tooltip_, button, hint);
        items_.push_back(button);
        shown_.push_back(BarItem{item.caption, hint});
        // The name is the caption as it is, an "&" included, which the button's own name would drop.
        annotations_.SetRole(button, ROLE_SYSTEM_LISTITEM);
        annotations_.SetName(button, item.caption);
        AnnotateEntry(index);
    }
    if (chosen_ >= model_.Count()) chosen_ = -1;
    SetTabStop(std::min(tabStop_, std::max(0, model_.Count() - 1)));
}

HWND ItemBarWindow::EntryStop() const {
    if (items_.empty()) return nullptr;
    return items_[static_cast<std::size_t>(std::min(tabStop_, static_cast<int>(items_.size()) - 1))];
}

bool ItemBarWindow::IsEntry(HWND window) const { return IndexOf(window) >= 0; }

int ItemBarWindow::IndexOf(HWND entry) const {
    for (std::size_t at = 0; at < items_.size(); ++at) {
        if (items_[at] == entry) return static_cast<int>(at);
    }
    return -1;
}

void ItemBarWindow::SetTabStop(int index) {
    tabStop_ = index;
    for (std::size_t at = 0; at < items_.size(); ++at) {
        const LONG style = GetWindowLongA(items_[at], GWL_STYLE);
        const LONG wanted = static_cast<int>(at) == index ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (wanted != style) SetWindowLongA(items_[at], GWL_STYLE, wanted);
    }
}

bool ItemBarWindow::MoveAmongEntries(HWND entry, WPARAM key) {
    const int index = IndexOf(entry);
    if (index < 0) return false;
    const int last = static_cast<int>(items_.size()) - 1;
    int target = index;
    switch (key) {
        case VK_UP: target = std::max(0, index - 1); break;
        case VK_DOWN: target = std::min(last, index + 1); break;
        case VK_HOME: target = 0; break;
        case VK_END: target = last; break;
        default: return false;
    }
    if (target != index) SetFocus(items_[static_cast<std::size_t>(target)]);
    return true;
}

void ItemBarWindow::Choose(int index) {
    if (!marksChoice_ || index == chosen_) return;
    const int before = chosen_;
    chosen_ = index;
    for (int changed : {before, chosen_}) {
        if (changed < 0 || changed >= static_cast<int>(items_.size())) continue;
        AnnotateEntry(changed);
        InvalidateRect(items_[static_cast<std::size_t>(changed)], nullptr, TRUE);
    }
    if (chosen_ >= 0) NotifyWinEvent(EVENT_OBJECT_SELECTION, items_[static_cast<std::size_t>(chosen_)], OBJID_CLIENT,
                                     CHILDID_SELF);
}

void ItemBarWindow::AnnotateHeader() {
    annotations_.SetState(header_, AccessibleState(header_, model_.Expanded() ? STATE_SYSTEM_EXPANDED
                                                                             : STATE_SYSTEM_COLLAPSED));
}

void ItemBarWindow::AnnotateEntry(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    // Links that open something are no choice to be kept: they are not selectable.
    LONG choice = 0;
    if (marksChoice_) choice = STATE_SYSTEM_SELECTABLE | (index == chosen_ ? STATE_SYSTEM_SELECTED : 0);
    HWND entry = items_[static_cast<std::size_t>(index)];
    annotations_.SetState(entry, AccessibleState(entry, choice));
}

void ItemBarWindow::SetMarksChoice(bool marks) {
    marksChoice_ = marks;
    if (!marks) chosen_ = -1;
    for (int index = 0; index < static_cast<int>(items_.size()); ++index) AnnotateEntry(index);
}

void ItemBarWindow::SetHighContrast(bool on) {
    highContrast_ = on;
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
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
    FillWith(dc, rect, highContrast_ ? GetSysColor(COLOR_WINDOW) : Colour(palette_.body));
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

void ItemBarWindow::DrawHeader(const DRAWITEMSTRUCT& item, const char* text) const {
    const RECT& rect = item.rcItem;
    HDC dc = item.hDC;
    if (highContrast_) {
        FillWith(dc, rect, GetSysColor(COLOR_BTNFACE));
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWTEXT));
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    } else {
        const Rgb light = palette_.headerLight;
        const Rgb dark = palette_.headerDark;
        TRIVERTEX vertices[2] = {
            {rect.left, rect.top, static_cast<COLOR16>(light.r << 8), static_cast<COLOR16>(light.g << 8),
             static_cast<COLOR16>(light.b << 8), 0},
            {rect.right, rect.bottom, static_cast<COLOR16>(dark.r << 8), static_cast<COLOR16>(dark.g << 8),
             static_cast<COLOR16>(dark.b << 8), 0}};
        GRADIENT_RECT gradient{0, 1};
        const auto gradientFill = gradients_.Function<decltype(GradientFill)>("GradientFill");
        if (!gradientFill || !gradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_H)) {
            FillWith(dc, rect, Colour(dark));
        }
        SetTextColor(dc, Colour(palette_.headerText));
    }
    RECT textRect = rect;
    textRect.left += Scaled(8);
    SelectObject(dc, headerFont_);
    DrawTextA(dc, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    RECT marker = rect;
    marker.right -= Scaled(8);
    DrawTextA(dc, model_.Expanded() ? "\xAB" : "\xBB", -1, &marker, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

void ItemBarWindow::DrawButton(const DRAWITEMSTRUCT& item) const {
    char text[512] = {};
    GetWindowTextA(item.hwndItem, text, sizeof(text));
    HDC dc = item.hDC;
    SetBkMode(dc, TRANSPARENT);
    if (item.hwndItem == header_) {
        DrawHeader(item, text);
    } else {
        const bool chosen = marksChoice_ && IndexOf(item.hwndItem) == chosen_;
        const bool pressed = (item.itemState & ODS_SELECTED) != 0;
        COLORREF background;
        COLORREF foreground;
        if (highContrast_) {
            background = GetSysColor(chosen ? COLOR_HIGHLIGHT : COLOR_WINDOW);
            foreground = GetSysColor(chosen ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        } else {
            background = Colour(chosen ? palette_.chosenBody : palette_.body);
            foreground = Colour(chosen ? palette_.chosenText : (pressed ? palette_.pressedText : palette_.itemText));
        }
        FillWith(dc, item.rcItem, background);
        SetTextColor(dc, foreground);
        SelectObject(dc, font_);
        RECT textRect = item.rcItem;
        textRect.left += Scaled(2);
        DrawTextA(dc, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS) {
        // The dotted mark is drawn by inverting, so it shows on any colours, the system's high-contrast ones too.
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &item.rcItem);
    }
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
            if (HIWORD(wParam) == BN_SETFOCUS || HIWORD(wParam) == BN_KILLFOCUS) {
                HWND window = reinterpret_cast<HWND>(lParam);
                const int index = IndexOf(window);
                if (index < 0) {
                    AnnotateHeader();
                    return 0;
                }
                AnnotateEntry(index);
                if (HIWORD(wParam) == BN_SETFOCUS) {
                    SetTabStop(index);
                    ScrollIntoView(window);
                }
                return 0;
            }
            if (HIWORD(wParam) == BN_CLICKED) {
                const int id = LOWORD(wParam);
                HWND owner = GetAncestor(hwnd_, GA_ROOT);
                if (id == kItemBarHeaderId) {
                    RunHandler(owner, [this] { model_.SetExpanded(!model_.Expanded()); });
                } else if (id >= kItemBarFirstItemId) {
                    // The index is taken at the moment of the click.
                    Choose(id - kItemBarFirstItemId);
                    RunHandler(owner, [this, id] { model_.ClickItem(id - kItemBarFirstItemId); });
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

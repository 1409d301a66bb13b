#include "app/win32/ItemBar_win32.h"

#include <commctrl.h>

#include "app/win32/HandlerBoundary_win32.h"

namespace zelta::win32 {

namespace {
constexpr char kClassName[] = "TXPBar";
constexpr int kHeaderHeight = 26;
constexpr int kItemHeight = 19;
constexpr int kPadding = 4;
constexpr COLORREF kHeaderTop = RGB(49, 106, 197);
constexpr COLORREF kHeaderText = RGB(255, 255, 255);
constexpr COLORREF kBodyColour = RGB(214, 223, 247);
constexpr COLORREF kItemText = RGB(33, 93, 198);

void AddTool(HWND tooltip, HWND owner, HWND tool, const std::string& text) {
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void RemoveTool(HWND tooltip, HWND owner, HWND tool) {
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}
}  // namespace

void ItemBarWindow::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
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
    model_.view = [this](const Control&, ControlProperty property) {
        if (property == ControlProperty::Items) RebuildItems();
        if (property == ControlProperty::Items || property == ControlProperty::Expanded) {
            LayoutChildren();
            if (onHeightChanged) onHeightChanged();
        }
    };
    RebuildItems();
}

ItemBarWindow::~ItemBarWindow() {
    model_.view = nullptr;
    if (IsWindow(hwnd_)) {
        for (HWND item : items_) RemoveTool(tooltip_, hwnd_, item);
        DestroyWindow(hwnd_);
    }
}

int ItemBarWindow::DesiredHeight() const {
    int height = Scaled(kHeaderHeight);
    if (model_.Expanded()) height += Scaled(kPadding) * 2 + Scaled(kItemHeight) * model_.Count();
    return height;
}

void ItemBarWindow::Place(int x, int y, int width, int height) {
    width_ = width;
    MoveWindow(hwnd_, x, y, width, height, TRUE);
    LayoutChildren();
}

void ItemBarWindow::RebuildItems() {
    for (HWND item : items_) {
        RemoveTool(tooltip_, hwnd_, item);
        DestroyWindow(item);
    }
    items_.clear();
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd_, GWLP_HINSTANCE));
    for (int index = 0; index < model_.Count(); ++index) {
        const BarItem& item = model_.Item(index);
        HWND button = CreateWindowExA(0, "BUTTON", item.caption.c_str(), WS_CHILD | WS_TABSTOP | BS_OWNERDRAW, 0, 0,
                                      10, 10, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstItemId + index)),
                                      instance, nullptr);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (model_.ShowHints() && !item.hint.empty()) AddTool(tooltip_, hwnd_, button, item.hint);
        items_.push_back(button);
    }
}

void ItemBarWindow::LayoutChildren() {
    const int headerHeight = Scaled(kHeaderHeight);
    MoveWindow(header_, 0, 0, width_, headerHeight, TRUE);
    int y = headerHeight + Scaled(kPadding);
    for (HWND item : items_) {
        MoveWindow(item, Scaled(12), y, width_ - Scaled(16), Scaled(kItemHeight), TRUE);
        ShowWindow(item, model_.Expanded() ? SW_SHOW : SW_HIDE);
        y += Scaled(kItemHeight);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    InvalidateRect(header_, nullptr, FALSE);
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
        GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_H);
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

LRESULT ItemBarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
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
        case WM_ERASEBKGND: {
            RECT rect;
            GetClientRect(hwnd_, &rect);
            HBRUSH body = CreateSolidBrush(kBodyColour);
            FillRect(reinterpret_cast<HDC>(wParam), &rect, body);
            DeleteObject(body);
            return TRUE;
        }
        default:
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace zelta::win32

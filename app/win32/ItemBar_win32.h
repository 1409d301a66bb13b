#pragma once
// A collapsible item bar: a header button that folds the bar and one button per item. Header and items are real
// child windows whose text is their caption, so the keyboard, automation and screen readers reach them. The items
// sit in a body that scrolls when the bar is given less room than they need (twenty profiles, say).
#include <windows.h>

#include <functional>
#include <vector>

#include "app/model/Control.h"
#include "platform/win32/SystemLibrary_win32.h"

namespace zelta::win32 {

class ItemBarWindow {
public:
    static constexpr int kHeaderId = 1999;
    static constexpr int kFirstItemId = 2000;

    ItemBarWindow(HWND parent, ItemBar& model, HFONT font, HFONT headerFont, HWND tooltip, int scale96);
    ~ItemBarWindow();
    ItemBarWindow(const ItemBarWindow&) = delete;
    ItemBarWindow& operator=(const ItemBarWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    int DesiredHeight() const;
    void Place(int x, int y, int width, int height);

    // Runs when the bar's height changes (folded, unfolded, items added or removed).
    std::function<void()> onHeightChanged;
    // While held, item changes make and name the item windows but lay nothing out; whoever held the layout places
    // the bar afterwards (Place). Start-up adds the stored profiles one at a time.
    void HoldLayout(bool hold) { layoutHeld_ = hold; }

    static void RegisterWindowClass(HINSTANCE instance);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK BodyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ScrollTo(int position);
    void FillBody(HWND window, HDC dc) const;
    void ScrollIntoView(HWND item);
    int ContentHeight() const;
    void RebuildItems();
    void LayoutChildren();
    void DrawButton(const DRAWITEMSTRUCT& item) const;
    int Scaled(int value) const { return MulDiv(value, scale96_, 96); }

    ItemBar& model_;
    HWND hwnd_ = nullptr;
    HWND header_ = nullptr;
    HWND body_ = nullptr;
    int scrollPos_ = 0;
    std::vector<HWND> items_;
    std::vector<BarItem> shown_;  // what each item window shows: its caption and hint
    HFONT font_;
    HFONT headerFont_;
    HWND tooltip_;
    int scale96_;
    int width_ = 0;
    bool layoutHeld_ = false;
    // The header's gradient comes from a library that is not among the system's known ones: taken from the system
    // folder when it is first drawn, never looked for beside the program.
    platform::SystemLibrary gradients_{"msimg32.dll"};
};

}  // namespace zelta::win32

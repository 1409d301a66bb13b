#pragma once
// A collapsible item bar: a header button that folds the bar and one button per item. Header and items are real
// child windows whose text is their caption, so the keyboard, automation and screen readers reach them. The items
// sit in a body that scrolls when the bar is given less room than they need (twenty profiles, say). For the keyboard
// the entries are one Tab stop, among which the arrow keys, Home and End move; for screen readers the body is a list
// and each entry a list item with its selected state, and the header tells whether the bar is folded.
#include <windows.h>

#include <functional>
#include <vector>

#include "app/BarPalette.h"
#include "app/model/Control.h"
#include "platform/win32/SystemLibrary_win32.h"

namespace zelta::win32 {

class Annotations;

class ItemBarWindow {
public:

    // annotations outlives the bar.
    ItemBarWindow(HWND parent, ItemBar& model, HFONT font, HFONT headerFont, HWND tooltip, int scale96,
                  Annotations& annotations);
    ~ItemBarWindow();
    ItemBarWindow(const ItemBarWindow&) = delete;
    ItemBarWindow& operator=(const ItemBarWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    int Id() const { return model_.Id(); }
    int DesiredHeight() const;
    void Place(int x, int y, int width, int height);

    // Runs when the bar's height changes (folded, unfolded, items added or removed).
    std::function<void()> onHeightChanged;
    // While held, item changes make and name the item windows but lay nothing out; whoever held the layout places
    // the bar afterwards (Place). Start-up adds the stored profiles one at a time.
    void HoldLayout(bool hold) { layoutHeld_ = hold; }

    static void RegisterWindowClass(HINSTANCE instance);

    HWND Header() const { return header_; }
    // The entry that holds the entries' Tab stop: the one last focused, the first at start; nullptr without entries.
    HWND EntryStop() const;
    bool IsEntry(HWND window) const;
    // Up, Down, Home and End on an entry move the focus among the entries; true when the key was one of them.
    bool MoveAmongEntries(HWND entry, WPARAM key);
    // Whether the entry a click chose stays marked (the adapters and profiles; not the contact links).
    void SetMarksChoice(bool marks);
    // While high contrast is on the bar is drawn in the system's colours.
    void SetHighContrast(bool on);

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
    void DrawHeader(const DRAWITEMSTRUCT& item, const char* text) const;
    int IndexOf(HWND entry) const;
    void SetTabStop(int index);
    void Choose(int index);
    void AnnotateHeader();
    void AnnotateEntry(int index);
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
    Annotations& annotations_;
    int tabStop_ = 0;   // index of the entry that holds the Tab stop
    int chosen_ = -1;   // index of the entry last chosen, -1 for none
    bool marksChoice_ = true;
    bool highContrast_ = false;
    BarPalette palette_;
    // The header's gradient comes from a library that is not among the system's known ones: taken from the system
    // folder when it is first drawn, never looked for beside the program.
    platform::SystemLibrary gradients_{"msimg32.dll"};
};

}  // namespace zelta::win32

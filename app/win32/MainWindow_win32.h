#pragma once
// The main window `Form1` (class TForm1): creates the real controls, mirrors the form model into them, feeds
// the user's input back into the model, and hosts the tray icon, the notices and the caption animation.
#include <windows.h>

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/AnimTitle.h"
#include "app/FormController.h"
#include "app/model/FocusOrder.h"
#include "app/model/MainForm.h"
#include "app/win32/ApplicationWindow_win32.h"
#include "app/win32/FormWindows_win32.h"
#include "app/win32/ItemBar_win32.h"
#include "app/win32/Win32Handles.h"

namespace zelta::win32 {

class Annotations;
class BalloonNotifier;
class ExternalRequests;
class TrayIcon;

class MainWindow {
public:
    static constexpr UINT_PTR kAnimationTimerId = 0x7203;
    static constexpr UINT kAnimationStepMs = 50;

    MainWindow(HINSTANCE instance, ApplicationWindow& application, MainForm& main, FormController& controller);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // The notices' balloon, anchored at this window; usable once the window exists.
    Notifier& Notices();
    // Apply requests of later starts and the adapter keys' changes; usable once the window exists.
    ExternalRequests& Requests();
    // Holds the item bars' layout during a run of changes (the start-up sequence) and, when released, lays the bars
    // out once instead of after each change.
    void HoldLayout(bool hold);
    // Tab, Space, Enter, Alt+letters and the bars' arrow keys among the controls; true when the message was consumed.
    bool PreTranslate(MSG& message);

    static void RegisterWindowClasses(HINSTANCE instance);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The long cases of the window procedure.
    void OnCreate();
    void OnNextControl(WPARAM which, bool isWindow);
    void DrawBanner(const DRAWITEMSTRUCT& item);
    bool OnVerdict(const COPYDATASTRUCT* data);  // false: not the companion's verdict
    void OnClose();

    void CreateControls();
    // The window of the form table's row at `index`, as the control's state and the row have it.
    HWND CreateFromRow(std::size_t index);
    void CreateItemBar(ItemBar& bar, HWND parent);
    void SetUpStatusBar();
    void BindViews();
    void ShowInWindow(const Control& control, ControlProperty property);
    void OnCommand(int id, int code, HWND window);
    LRESULT OnLabelColour(HDC dc, HWND label);
    void LayoutLeftPanel();
    std::string CurrentCaption() const;
    void ShowCaption(const std::string& caption);
    void AnimateCaption();
    void OnVisibilityChanged(bool visible);
    // The program is minimised: its taskbar button's window is.
    bool Minimised() const;
    void HideToTray();
    void Restore();
    void OnTrayMenu(POINT position);
    // The focus: the window of a place in the Tab order, the place a window belongs to, and moving it there.
    HWND WindowOf(const FocusStop& stop) const;
    FocusStop StopOf(HWND window) const;
    ItemBarWindow* BarOf(int id) const;
    void FocusOn(const FocusStop& stop);
    // True when the focus is placed (the window is active and not minimised).
    bool OnActivate(bool active, bool minimised);
    // High contrast and the animation effects, read again whenever the system says its settings changed.
    void FollowSystemSettings();
    void AnnotateControls();
    int S(int value) const;  // a design length at the session's scaling

    HINSTANCE instance_;
    ApplicationWindow& application_;
    MainForm& main_;
    FormController& controller_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    int dpi_ = 96;
    int addressFieldWidth_ = 0;  // in pixels, enough for 255 in every part
    bool updatingView_ = false;
    std::map<int, HWND> windows_;
    std::vector<HWND> bannerLabels_;
    std::vector<std::unique_ptr<ItemBarWindow>> itemBars_;
    FormFonts fonts_;
    UniqueBitmap banner_;
    UniqueBrush bannerBrush_;
    UniqueBitmap menuPictures_;
    UniqueIcon iconLarge_;
    UniqueIcon iconSmall_;
    AnimTitle animation_;
    UINT showRequest_ = 0;  // a later start of the program asks this window to show itself
    std::unique_ptr<BalloonNotifier> balloon_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<Annotations> annotations_;
    FocusStop savedFocus_;  // where the focus was when the window was last deactivated
    bool highContrast_ = false;
    bool animationsOn_ = true;
    std::unique_ptr<ExternalRequests> requests_;
};

}  // namespace zelta::win32

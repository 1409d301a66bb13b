// The close box ends the program, and the banner moves the window while the panels do not.
#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"

using namespace zelta;

E2E_SCENARIO(close_box) {
    e2e::Session app(ctx);
    if (!app.Started()) return;

    RECT window;
    GetWindowRect(app.Main(), &window);
    CHECK_EQ(ctx, std::to_string(window.left) + "," + std::to_string(window.top), std::string("478,114"));
    // Hit tests: the banner and its labels answer "caption", the panels and buttons do not.
    // A press goes to the topmost window under it that does not answer "transparent"; the window itself turns
    // its client area into caption. So the banner and its labels must pass presses on, and the panels keep them.
    auto hitTest = [&](HWND target, HWND at) {
        RECT rect;
        GetWindowRect(at, &rect);
        const LPARAM point = MAKELPARAM(rect.left + 3, rect.top + 3);
        DWORD_PTR result = 0;
        SendMessageTimeoutA(target, WM_NCHITTEST, 0, point, SMTO_NORMAL, 5000, &result);
        return std::to_string(static_cast<int>(static_cast<LRESULT>(result)));
    };
    for (int id : {kId_Image1, kId_L_OS, kId_L_PCName}) {
        CHECK_EQ(ctx, hitTest(app.Control(id), app.Control(id)), std::to_string(HTTRANSPARENT));
        CHECK_EQ(ctx, hitTest(app.Main(), app.Control(id)), std::to_string(HTCAPTION));
    }
    for (int id : {kId_Panel_Left, kId_Panel_Right}) {
        CHECK_EQ(ctx, hitTest(app.Control(id), app.Control(id)), std::to_string(HTCLIENT));
    }

    PostMessageA(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    app.End(false);
}

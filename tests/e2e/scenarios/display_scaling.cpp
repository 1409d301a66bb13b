// The main window at 100, 125, 150 and 200 % display scaling, on a 1280 x 800 and a 1024 x 768 desktop: the
// program declares itself system-aware; its client area is the design size scaled with every control inside it;
// every address field shows 255.255.255.255 whole;
// it opens at its design position when the window fits there and inside the work area otherwise; the banner is
// its picture drawn once at the scaled size, and the machine summary is readable on it.
//
// Measured under Wine 8: a process reads "LogPixels" when it starts, so a start after a `reg add` runs at the new
// scaling without restarting the server, and this driver, started at 96 dpi, still sees the program's windows in
// physical pixels; a display-mode change resizes the virtual desktop. Wine makes every process per-monitor aware
// unless "HKCU\Control Panel\Desktop" "DpiScalingVer" is set; with it set, it follows the manifest but then
// reports the windows of a scaled process to other processes in 96-dpi units, and an unaware program is laid out
// and drawn exactly as an aware one. So the declaration is read from the program, and its effect, the scaled
// layout, is measured with Wine's default.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "app/model/ControlIds.h"
#include "app/win32/ComPtr_win32.h"
#include "assets/ResourceIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"

using namespace zelta;

namespace {

constexpr int kDesignWidth = 700;
constexpr int kDesignHeight = 513;
constexpr int kBannerHeight = 117;
constexpr int kDesignLeft = 478;
constexpr int kDesignTop = 114;
// The picture is compared in cells of 10 x 9 of its own pixels: the mean colour of each cell on the screen must
// be that of the cell in the picture. A smooth scaling keeps the means; a tiled, shifted or unscaled picture does not.
constexpr int kCellWidth = 10;
constexpr int kCellHeight = 9;
constexpr int kCellTolerance = 8;  // per colour channel, of 255; a misplaced picture differs by far more
// A summary line is readable when enough of its pixels are the white of its text; the banner has none of them.
constexpr int kNearWhite = 200;
constexpr int kMinTextPixels = 40;

int Scaled(int design, int dpi) { return MulDiv(design, dpi, 96); }

using zelta::win32::ComPtr;

// A resource of the program, as it carries it.
std::string ResourceOf(const std::string& exePath, int id, int type) {
    HMODULE module = LoadLibraryExA(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return {};
    std::string bytes;
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data) bytes.assign(static_cast<const char*>(data), SizeofResource(module, resource));
    FreeLibrary(module);
    return bytes;
}

// The banner JPEG as the program carries it, decoded at its own size.
std::optional<e2e::Picture> DecodeBanner(const std::string& exePath) {
    const std::string jpeg = ResourceOf(exePath, IDR_BANNER, 10 /* RT_RCDATA */);
    const void* bytes = jpeg.data();
    const DWORD size = static_cast<DWORD>(jpeg.size());
    std::optional<e2e::Picture> result;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> converted;
    UINT width = 0;
    UINT height = 0;
    if (bytes && size > 0 &&
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(factory.put()))) &&
        SUCCEEDED(factory->CreateStream(stream.put())) &&
        SUCCEEDED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(bytes)), size)) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnLoad,
                                                   decoder.put())) &&
        SUCCEEDED(decoder->GetFrame(0, frame.put())) &&
        SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.get(), converted.put())) &&
        SUCCEEDED(converted->GetSize(&width, &height)) && width > 0 && height > 0) {
        e2e::Picture picture;
        picture.width = static_cast<int>(width);
        picture.height = static_cast<int>(height);
        picture.pixels.resize(static_cast<std::size_t>(width) * height);
        if (SUCCEEDED(converted->CopyPixels(nullptr, width * 4, width * height * 4,
                                            reinterpret_cast<BYTE*>(picture.pixels.data())))) {
            for (auto& pixel : picture.pixels) pixel &= 0xFFFFFFu;
            result = std::move(picture);
        }
    }
    return result;
}

struct Mean {
    double channel[3] = {0, 0, 0};
};

// The mean colour of the picture's pixels in [x0, x1) x [y0, y1).
Mean MeanOf(const e2e::Picture& picture, int x0, int y0, int x1, int y1) {
    Mean mean;
    double count = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const std::uint32_t pixel = picture.At(x, y);
            for (int c = 0; c < 3; ++c) mean.channel[c] += (pixel >> (8 * c)) & 0xFF;
            ++count;
        }
    }
    for (double& value : mean.channel) value /= count;
    return mean;
}

struct Comparison {
    int cells = 0;
    double worst = 0;  // the largest difference of a channel's mean
    std::string worstCell;
};

// Compares the banner as the screen shows it (`shown`, whose top-left pixel is the banner's pixel `origin`) with
// the picture, cell by cell; cells not wholly on the screen are left out.
Comparison CompareWithPicture(const e2e::Picture& picture, const e2e::Picture& shown, POINT origin, int dpi) {
    Comparison result;
    for (int cy = 0; cy * kCellHeight < picture.height; ++cy) {
        for (int cx = 0; cx * kCellWidth < picture.width; ++cx) {
            const int px0 = cx * kCellWidth;
            const int py0 = cy * kCellHeight;
            const int px1 = std::min(px0 + kCellWidth, picture.width);
            const int py1 = std::min(py0 + kCellHeight, picture.height);
            const int sx0 = Scaled(px0, dpi) - origin.x;
            const int sy0 = Scaled(py0, dpi) - origin.y;
            const int sx1 = Scaled(px1, dpi) - origin.x;
            const int sy1 = Scaled(py1, dpi) - origin.y;
            if (sx0 < 0 || sy0 < 0 || sx1 > shown.width || sy1 > shown.height) continue;
            const Mean expected = MeanOf(picture, px0, py0, px1, py1);
            const Mean actual = MeanOf(shown, sx0, sy0, sx1, sy1);
            ++result.cells;
            for (int c = 0; c < 3; ++c) {
                const double difference = std::abs(expected.channel[c] - actual.channel[c]);
                if (difference > result.worst) {
                    result.worst = difference;
                    result.worstCell = std::to_string(cx) + "," + std::to_string(cy);
                }
            }
        }
    }
    return result;
}

int CountNearWhite(const e2e::Picture& shown, const RECT& area) {
    int count = 0;
    for (int y = std::max(0L, area.top); y < std::min<LONG>(shown.height, area.bottom); ++y) {
        for (int x = std::max(0L, area.left); x < std::min<LONG>(shown.width, area.right); ++x) {
            const std::uint32_t pixel = shown.At(x, y);
            if ((pixel & 0xFF) >= kNearWhite && ((pixel >> 8) & 0xFF) >= kNearWhite &&
                ((pixel >> 16) & 0xFF) >= kNearWhite) {
                ++count;
            }
        }
    }
    return count;
}

RECT ScreenRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT Offset(RECT rect, LONG dx, LONG dy) {
    OffsetRect(&rect, dx, dy);
    return rect;
}

std::string Describe(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) +
           "x" + std::to_string(rect.bottom - rect.top);
}

// In one direction: the window keeps its design position when it fits there; otherwise it touches the work area's
// far edge when it is not larger than the work area, and its near edge when it is.
bool PlacedAlong(LONG start, LONG length, LONG design, LONG low, LONG high) {
    if (design >= low && design + length <= high) return start == design;
    if (length <= high - low) return start + length == high;
    return start == low;
}

void CheckBanner(e2e::Context& ctx, e2e::Zelta& app, const e2e::Picture& picture, int dpi, const std::string& at) {
    HWND image = app.Control(kId_Image1);
    const RECT banner = ScreenRectOf(image);
    POINT clientOrigin{0, 0};
    ClientToScreen(app.Main(), &clientOrigin);
    e2e::CheckEq(ctx, Describe(Offset(banner, -clientOrigin.x, -clientOrigin.y)),
                 "0,0 " + std::to_string(Scaled(kDesignWidth, dpi)) + "x" + std::to_string(Scaled(kBannerHeight, dpi)),
                 "the banner's place and size" + at);

    // The part of the banner on the screen.
    RECT desktop{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT visible{};
    IntersectRect(&visible, &banner, &desktop);
    const POINT origin{visible.left - banner.left, visible.top - banner.top};

    // The picture alone first: the summary lines are emptied, so the labels show nothing but their background.
    const int labels[] = {kId_L_ProfileActivated, kId_L_PCName, kId_L_OS, kId_L_CPU, kId_L_RAM};
    std::vector<std::string> texts;
    for (int id : labels) {
        texts.push_back(app.Text(id));
        app.SetText(id, "");
    }
    e2e::Picture shown;
    Comparison comparison;
    const bool same = e2e::WaitUntil(
        [&] {
            shown = e2e::CaptureScreen(visible);
            comparison = CompareWithPicture(picture, shown, origin, dpi);
            return comparison.cells > 0 && comparison.worst <= kCellTolerance;
        },
        5000);
    char figures[160];
    std::snprintf(figures, sizeof(figures), "%d cells, largest difference %.1f at cell %s", comparison.cells,
                  comparison.worst, comparison.worstCell.c_str());
    e2e::Check(ctx, same, "the banner shows its picture once, scaled" + at + " (" + figures + ")");
    const int cellsAcross = (picture.width + kCellWidth - 1) / kCellWidth;
    const int cellsDown = (picture.height + kCellHeight - 1) / kCellHeight;
    const int wholeCells = cellsAcross * cellsDown;
    if (EqualRect(&visible, &banner)) {
        e2e::Check(ctx, comparison.cells == wholeCells, "every cell of the banner compared" + at);
    } else {
        // A window larger than the screen: the part on it.
        e2e::Check(ctx, comparison.cells * 2 >= wholeCells, "at least half of the banner's cells compared" + at);
    }
    e2e::Check(ctx, CountNearWhite(shown, RECT{0, 0, shown.width, shown.height}) == 0,
               "no text on the banner while the summary is empty" + at);

    // Then the summary again: each line is white text on the picture.
    for (std::size_t i = 0; i < texts.size(); ++i) app.SetText(labels[i], texts[i]);
    // The lines are right-aligned: one that is mostly off the screen may show no text on it.
    std::vector<int> summary;
    for (int id : {kId_L_PCName, kId_L_OS, kId_L_CPU, kId_L_RAM}) {
        const RECT label = ScreenRectOf(app.Control(id));
        RECT onScreen{};
        IntersectRect(&onScreen, &label, &visible);
        if ((onScreen.right - onScreen.left) * 4 >= (label.right - label.left) * 3) {
            summary.push_back(id);
        } else {
            std::printf("     summary line %d mostly off the screen%s: not looked at\n", id, at.c_str());
        }
    }
    std::vector<int> textPixels(summary.size());
    e2e::WaitUntil(
        [&] {
            shown = e2e::CaptureScreen(visible);
            bool all = true;
            for (std::size_t i = 0; i < summary.size(); ++i) {
                const RECT label = Offset(ScreenRectOf(app.Control(summary[i])), -visible.left, -visible.top);
                textPixels[i] = CountNearWhite(shown, label);
                all = all && textPixels[i] >= kMinTextPixels;
            }
            return all;
        },
        5000);
    for (std::size_t i = 0; i < summary.size(); ++i) {
        e2e::Check(ctx, textPixels[i] >= kMinTextPixels,
                   "summary line " + std::to_string(summary[i]) + " in white on the banner" + at + " (" +
                       std::to_string(textPixels[i]) + " text pixels)");
    }
}

void CheckControlsInside(e2e::Context& ctx, e2e::Zelta& app, const RECT& client, const std::string& at) {
    std::vector<HWND> pending = e2e::ChildrenOf(app.Main());
    int checked = 0;
    std::string outside;
    while (!pending.empty()) {
        HWND window = pending.back();
        pending.pop_back();
        for (HWND child : e2e::ChildrenOf(window)) pending.push_back(child);
        if (!IsWindowVisible(window)) continue;
        const RECT rect = ScreenRectOf(window);
        RECT inside{};
        IntersectRect(&inside, &rect, &client);
        ++checked;
        if (!EqualRect(&inside, &rect)) {
            outside += " " + std::to_string(GetDlgCtrlID(window)) + " (" + e2e::ClassOf(window) + " " + Describe(rect) +
                       ")";
        }
    }
    e2e::Check(ctx, checked >= 40 && outside.empty(),
               "all " + std::to_string(checked) + " visible controls inside the client area" + at + outside);
}

// Every part of every address field shows "255" whole: the text, from the first digit's place to the last digit's
// end as the part itself lays it out, lies inside the part's client area less its margins.
void CheckAddressFieldsShowWholeNumbers(e2e::Context& ctx, e2e::Zelta& app, const std::string& at) {
    for (int id : {kId_IPA_IP, kId_IPA_SM, kId_IPA_GW, kId_IPA_DNS1, kId_IPA_DNS2, kId_IPA_Proxy}) {
        HWND field = app.Control(id);
        SendMessageA(field, IPM_SETADDRESS, 0, MAKEIPADDRESS(255, 255, 255, 255));
        e2e::CheckEq(ctx, app.Text(id), "255.255.255.255", "address field " + std::to_string(id) + at);
        std::vector<HWND> parts;
        for (HWND child : e2e::ChildrenOf(field)) {
            if (lstrcmpiA(e2e::ClassOf(child).c_str(), "Edit") == 0) parts.push_back(child);
        }
        e2e::Check(ctx, parts.size() == 4, "address field " + std::to_string(id) + " has four parts" + at);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            HWND part = parts[i];
            RECT client{};
            GetClientRect(part, &client);
            const auto margins = static_cast<DWORD>(SendMessageA(part, EM_GETMARGINS, 0, 0));
            const auto x = [part](int index) {
                return static_cast<int>(static_cast<short>(LOWORD(SendMessageA(part, EM_POSFROMCHAR, index, 0))));
            };
            const int first = x(0);
            const int end = x(2) + (x(2) - x(1));  // the last "5" is as wide as the one before it
            const int left = LOWORD(margins);
            const int right = client.right - HIWORD(margins);
            e2e::Check(ctx, e2e::WindowText(part) == "255" && first >= left && end <= right && end - first > 0,
                       "part " + std::to_string(i) + " of address field " + std::to_string(id) + " shows 255 whole" +
                           at + " (text " + std::to_string(first) + ".." + std::to_string(end) + " in " +
                           std::to_string(left) + ".." + std::to_string(right) + ")");
        }
    }
}

// One start of the program at the scaling and desktop just set.
void CheckOneStart(e2e::Context& ctx, const e2e::Picture& picture, int dpi, const std::string& desktopName) {
    const std::string at = " at " + std::to_string(dpi) + " dpi on " + desktopName;
    e2e::Session app(ctx);  // its end checks that the program ends
    if (!app.Started()) return;

    RECT client{};
    GetClientRect(app.Main(), &client);
    e2e::CheckEq(ctx, std::to_string(client.right) + "x" + std::to_string(client.bottom),
                 std::to_string(Scaled(kDesignWidth, dpi)) + "x" + std::to_string(Scaled(kDesignHeight, dpi)),
                 "client area" + at);
    MapWindowPoints(app.Main(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    CheckControlsInside(ctx, app, client, at);

    const RECT window = ScreenRectOf(app.Main());
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(app.Main(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    const std::string placed = "window " + Describe(window) + " in work area " + Describe(work) + at;
    e2e::Check(ctx, PtInRect(&work, POINT{window.left, window.top}) != FALSE, "top-left inside: " + placed);
    e2e::Check(ctx, PlacedAlong(window.left, width, Scaled(kDesignLeft, dpi), work.left, work.right),
               "left placed: " + placed);
    e2e::Check(ctx, PlacedAlong(window.top, height, Scaled(kDesignTop, dpi), work.top, work.bottom),
               "top placed: " + placed);

    CheckAddressFieldsShowWholeNumbers(ctx, app, at);
    CheckBanner(ctx, app, picture, dpi, at);
    e2e::SaveScreenshot(ctx, "scaling-" + std::to_string(dpi) + "dpi-" + desktopName);
}

}  // namespace

E2E_SCENARIO(display_scaling) {
    // The awareness the program declares: system-aware, and nothing more.
    const std::string manifest = e2e::Lower(ResourceOf(ctx.appDir + "Zelta.exe", 1, 24 /* RT_MANIFEST */));
    const std::string systemAware =
        "<dpiaware xmlns=\"http://schemas.microsoft.com/smi/2005/windowssettings\">true</dpiaware>";
    CHECK(ctx, manifest.find(systemAware) != std::string::npos);
    CHECK(ctx, manifest.find("dpiawareness") == std::string::npos && manifest.find("permonitor") == std::string::npos);

    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    const std::optional<e2e::Picture> picture = DecodeBanner(ctx.appDir + "Zelta.exe");
    if (com) CoUninitialize();
    CHECK(ctx, picture.has_value());
    if (!picture) return;
    CHECK_EQ(ctx, std::to_string(picture->width) + "x" + std::to_string(picture->height), std::string("700x117"));

    const struct {
        int width;
        int height;
    } desktops[] = {{1280, 800}, {1024, 768}};
    for (const auto& desktop : desktops) {
        const std::string name = std::to_string(desktop.width) + "x" + std::to_string(desktop.height);
        const bool resized = e2e::SetDesktopSize(desktop.width, desktop.height);
        e2e::Check(ctx, resized, "desktop of " + name);
        if (!resized) continue;
        // No pointer over the window, so that no hint pops up over the banner.
        SetCursorPos(desktop.width - 1, desktop.height - 1);
        for (int dpi : {96, 120, 144, 192}) {
            e2e::RegAdd(ctx, "\"HKCU\\Control Panel\\Desktop\" /v LogPixels /t REG_DWORD /d " + std::to_string(dpi));
            CheckOneStart(ctx, *picture, dpi, name);
        }
    }
}

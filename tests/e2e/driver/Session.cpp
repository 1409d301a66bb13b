#include "tests/e2e/driver/Session.h"

namespace e2e {

detail::Placement::Placement(Context& ctx, unsigned placed) {
    if (placed & kNetsh) SetUp(ctx, PlaceHelper(ctx, "netsh.exe", SystemFolder()), "the netsh stand-in is placed");
    if (placed & kCompanion) SetUp(ctx, PlaceCompanion(ctx, ctx.appDir), "the companion is placed");
}

Session::Session(Context& ctx, unsigned placed, DWORD creationFlags, const std::string& workingFolder,
                 const std::string& arguments, bool waitForWindow)
    : Placement(ctx, placed),
      Zelta(ctx, "Zelta.exe", waitForWindow, creationFlags, workingFolder, arguments),
      ctx_(ctx) {}

Session::~Session() { End(); }

void Session::End(bool close) {
    if (ended_ || !Started()) return;
    ended_ = true;
    if (close) Close();
    const std::optional<int> code = ExitCode(10000);
    const std::string seen = !code ? " (it runs on)" : *code != 0 ? " (" + std::to_string(*code) + ")" : "";
    Check(ctx_, code == std::optional<int>(0), "the program ends with exit code 0" + seen);
}

}  // namespace e2e

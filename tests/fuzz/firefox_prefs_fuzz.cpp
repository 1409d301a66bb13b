// The prefs.js rewrite over arbitrary file bytes, with a proxy that passed the proxy check: the byte-order mark
// stays in front, every line ends in CR LF, no other preference is lost or reordered, and the new entries are
// there. Switching the manual proxy off leaves no manual type entry and touches no other line. The profile list
// that names the file gives a prefs.js path or none.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "profiles/SettingsDocument.h"
#include "proxy/FirefoxPrefs.h"

using namespace zelta;

namespace {

const std::string kMark = "\xEF\xBB\xBF";

bool IsProxyEntry(const std::string& line) {
    for (const char* entry : {"\"network.proxy.http\"", "\"network.proxy.http_port\"",
                              "\"network.proxy.share_proxy_settings\"", "network.proxy.type"}) {
        if (line.find(entry) != std::string::npos) return true;
    }
    return false;
}

std::vector<std::string> OtherLines(const std::vector<std::string>& lines) {
    std::vector<std::string> others;
    for (const std::string& line : lines) {
        if (!IsProxyEntry(line)) others.push_back(line);
    }
    return others;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    for (const std::string& each : lines) {
        if (each == line) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    std::string address;
    for (int part = 0; part < 4; ++part) {
        address += (part ? "." : "") + std::to_string(provider.ConsumeIntegral<unsigned char>());
    }
    const std::string port = std::to_string(provider.ConsumeIntegralInRange(1, 65535));
    const int type = provider.ConsumeBool() ? proxy::kManualProxyType : proxy::kNoProxyType;
    const std::string content = provider.ConsumeRemainingBytesAsString();

    const std::string rewritten = proxy::RewriteProxyContent(content, address, port, type);
    const bool marked = content.rfind(kMark, 0) == 0;
    FUZZ_CHECK((rewritten.rfind(kMark, 0) == 0) == marked);
    const std::string body = rewritten.substr(marked ? kMark.size() : 0);
    FUZZ_CHECK(body.size() >= 2 && body.compare(body.size() - 2, 2, "\r\n") == 0);
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\r') FUZZ_CHECK(i + 1 < body.size() && body[i + 1] == '\n');
        if (body[i] == '\n') FUZZ_CHECK(i > 0 && body[i - 1] == '\r');
    }
    const std::vector<std::string> before = profiles::SplitLines(content.substr(marked ? kMark.size() : 0));
    std::vector<std::string> after = profiles::SplitLines(body);
    FUZZ_CHECK(OtherLines(after) == OtherLines(before));
    FUZZ_CHECK(Holds(after, proxy::HostLine(address)));
    FUZZ_CHECK(Holds(after, proxy::PortLine(port)));
    FUZZ_CHECK(Holds(after, proxy::TypeLine(type)));

    const std::vector<std::string> unchanged = after;
    const bool switched = proxy::TurnManualProxyOff(after);
    FUZZ_CHECK(switched == Holds(unchanged, proxy::TypeLine(proxy::kManualProxyType)));
    FUZZ_CHECK(after.size() == unchanged.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        FUZZ_CHECK(after[i] != proxy::TypeLine(proxy::kManualProxyType));
        if (after[i] != unchanged[i]) FUZZ_CHECK(after[i] == proxy::TypeLine(proxy::kNoProxyType));
    }
    if (type == proxy::kManualProxyType) FUZZ_CHECK(switched);

    const std::string prefs = proxy::PrefsPathFromProfileList(content, "C:\\Firefox\\");
    const std::string file = "\\prefs.js";
    FUZZ_CHECK(prefs.empty() ||
               (prefs.size() > file.size() && prefs.compare(prefs.size() - file.size(), file.size(), file) == 0));
    return 0;
}

#include "apply/CommandSafety.h"

#include <utility>
#include <vector>

#include "app/model/Ipv4Text.h"
#include "app/model/ZeltaError.h"
#include "proxy/ProxyTarget.h"

namespace zelta::apply {

namespace {

[[noreturn]] void Refuse(const profiles::NetworkProfile& profile, int number, const std::string& reason) {
    throw ZeltaError("Cannot apply profile " + std::to_string(number) + " (\"" + profile.profileName +
                     "\"): " + reason);
}

bool HasUnsafeCharacter(const std::string& name) {
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || byte < 0x20 || byte == 0x7F) return true;
    }
    return false;
}

}  // namespace

void CheckCommandInputs(const profiles::NetworkProfile& profile, int number, platform::CodePages& codePages) {
    const std::string adapter = profiles::SplitProfileName(profile.profileName).adapter;
    if (adapter.empty()) Refuse(profile, number, "its profile_name names no adapter");
    if (HasUnsafeCharacter(adapter)) {
        Refuse(profile, number, "the adapter name in its profile_name holds a double quote or a control character");
    }
    // netsh would read the backslash and the closing quote after it as one escaped quote.
    if (adapter.back() == '\\') Refuse(profile, number, "the adapter name in its profile_name ends with a backslash");
    if (!codePages.AnsiToConsole(adapter)) {
        Refuse(profile, number, "the adapter name in its profile_name has characters the console cannot show");
    }

    std::vector<std::pair<const char*, const std::string*>> addresses;
    if (!profiles::IsDhcp(profile.useIp)) {
        addresses.insert(addresses.end(), {{"IP", &profile.ip}, {"SM", &profile.sm}, {"GW", &profile.gw}});
    }
    if (!profiles::IsDhcp(profile.useDns)) {
        addresses.insert(addresses.end(), {{"DNS1", &profile.dns1}, {"DNS2", &profile.dns2}});
    }
    for (const auto& [key, value] : addresses) {
        if (!value->empty() && !IsDottedQuad(*value)) {
            Refuse(profile, number, std::string("its ") + key + " \"" + *value + "\" is not an IPv4 address");
        }
    }
    // The browser proxy is written only when the profile may close the browsers; a proxy they could not read is
    // refused before any browser is closed.
    if (profiles::FlagFromText(profile.useProxy, false) && profiles::FlagFromText(profile.killBrowsers, false)) {
        if (const auto problem = proxy::ProxyTargetProblem(profile.proxyIp, profile.proxyPort)) {
            Refuse(profile, number, "its " + *problem);
        }
    }
}

}  // namespace zelta::apply

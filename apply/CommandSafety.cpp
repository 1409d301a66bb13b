#include "apply/CommandSafety.h"

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

    // The addresses of a group taken from DHCP never reach a command.
    for (const profiles::ProfileField& field : profiles::kProfileFields) {
        if (field.kind != profiles::FieldKind::AdapterAddress) continue;
        if (profiles::IsDhcp(profiles::FieldValue(profile, *profiles::GroupSwitch(field.group)))) continue;
        const std::string& value = profiles::FieldValue(profile, field);
        if (!value.empty() && !IsDottedQuad(value)) {
            Refuse(profile, number, std::string("its ") + field.key + " \"" + value + "\" is not an IPv4 address");
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

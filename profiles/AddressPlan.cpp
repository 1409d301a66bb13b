#include "profiles/AddressPlan.h"

#include <cstdint>
#include <utility>

#include "app/model/Ipv4Text.h"

namespace zelta::profiles {

namespace {

// "0.0.0.0", a field left empty. A text that is no dotted quad counts as empty here too: the address fields never
// show one, and applying refuses one from a hand-edited file.
constexpr std::uint32_t kEmpty = 0;

std::uint32_t FieldValue(const std::string& text) { return DottedQuadValue(text).value_or(kEmpty); }

// Ones followed by zeros: the host bits are a run of ones from the lowest bit up, so adding one clears them all.
bool IsContiguousMask(std::uint32_t mask) {
    const std::uint32_t hostBits = ~mask;
    return (hostBits & (hostBits + 1)) == 0;
}

AddressCheck Refuse(std::string notice) { return {AddressVerdict::Refused, std::move(notice)}; }

}  // namespace

AddressCheck CheckAddressPlan(const std::string& ip, const std::string& mask, const std::string& gateway, bool dhcp) {
    if (dhcp) return {};
    const std::uint32_t address = FieldValue(ip);
    const std::uint32_t subnetMask = FieldValue(mask);
    const std::uint32_t router = FieldValue(gateway);

    if (subnetMask != kEmpty && !IsContiguousMask(subnetMask)) {
        return Refuse("The subnet mask " + mask +
                      " is not a valid mask: use one like 255.255.255.0 or 255.255.252.0 !");
    }
    if (address == kEmpty) return {};
    if (router == address) {
        return Refuse("The gateway " + gateway +
                      " is the IP address itself: enter the router's address or leave it empty !");
    }
    if (subnetMask == kEmpty) return {};

    const std::uint32_t hostBits = ~subnetMask;
    const std::string subnet = " of its subnet (mask " + mask + "): use another address !";
    // A subnet of one or two addresses (masks ending in 255 or 254) has no network or broadcast address: every
    // address in it belongs to a host.
    if (hostBits > 1) {
        const std::uint32_t host = address & hostBits;
        if (host == 0) return Refuse("The IP address " + ip + " is the network address" + subnet);
        if (host == hostBits) return Refuse("The IP address " + ip + " is the broadcast address" + subnet);
    }
    if (router != kEmpty && (router & subnetMask) != (address & subnetMask)) {
        // The one notice this save shows, so it also says that the profile was saved.
        return {AddressVerdict::Warning, "Profile was saved, but the gateway " + gateway +
                                             " is outside the subnet of the IP address " + ip + " (mask " + mask +
                                             ") !"};
    }
    return {};
}

}  // namespace zelta::profiles

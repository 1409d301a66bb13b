#pragma once
// What Save checks in a static address before it stores the profile. Windows refuses a broken mask or an address
// that cannot belong to a host only when the profile is applied, while the user waits for the network to come
// back; Save refuses them while they can still be corrected. A gateway outside the subnet Windows accepts, but
// the adapter cannot reach it directly, so that is only worth a warning.
#include <string>

namespace zelta::profiles {

enum class AddressVerdict { Fine, Refused, Warning };

struct AddressCheck {
    AddressVerdict verdict = AddressVerdict::Fine;
    std::string notice;  // what to tell the user; empty when fine
};

// ip, mask and gateway as the address fields show them, "0.0.0.0" for a field left empty. An address taken from
// DHCP is not checked.
AddressCheck CheckAddressPlan(const std::string& ip, const std::string& mask, const std::string& gateway, bool dhcp);

}  // namespace zelta::profiles

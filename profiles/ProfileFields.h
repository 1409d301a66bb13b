#pragma once
// A stored profile and the one table of its fields. Each row gives a field's key in the settings file, where the
// field lives in NetworkProfile, the editor's control and label that show it, the group whose check box enables
// it, and how its text is read. The settings reader and writer, the editor, the check before the adapter
// commands, the group rules and the adapter's current addresses all walk this table, so a new field is one row.
//
// Header only: the group rules of the window model and the adapter selection use the table without linking the
// settings code.
#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "app/model/ControlIds.h"

namespace zelta::profiles {

// The DNS servers a profile keeps, stored under "DNS1", "DNS2", ...
constexpr std::size_t kDnsServerCount = 2;

struct NetworkProfile {
    std::string profileName;  // name, " - ", adapter connection name
    std::string ip;
    std::string sm;
    std::string gw;
    std::array<std::string, kDnsServerCount> dns;
    std::string proxyIp;
    std::string proxyPort;
    std::string useIp;   // "user" or "dhcp"
    std::string useDns;  // "user" or "dhcp"
    std::string useProxy;
    std::string killBrowsers;
    std::string profileApplied;
};

inline constexpr char kProfileNameKey[] = "profile_name";
inline constexpr char kProfileAppliedKey[] = "profile_applied";

enum class FieldKind {
    ProfileName,     // name " - " adapter: shown in LE_NewProfile and LE_NIC
    AdapterAddress,  // a dotted quad that the adapter commands set: shown as it stands
    Text,            // shown as it stands
    UseSwitch,       // "user" or "dhcp": the check box that enables its group
    FlagSwitch,      // "1" or "0": the check box that enables its group
    Flag,            // "1" or "0": a check box
    AppliedMark,     // "1" or "0": not in the editor; it enables Apply, and a save writes "0"
};

// The group boxes of the editor; a field of a group is enabled with it.
enum class FieldGroup { None, Address, Dns, Proxy };

struct ProfileField {
    const char* key;
    std::string& (*value)(NetworkProfile&);
    int control;  // kNoControl when the editor does not show the field
    int label;    // kNoControl when the control carries its own label
    FieldGroup group;
    FieldKind kind;
};

constexpr int kNoControl = 0;

namespace field {
template <std::string NetworkProfile::*member>
std::string& Member(NetworkProfile& profile) {
    return profile.*member;
}
template <std::size_t index>
std::string& DnsServer(NetworkProfile& profile) {
    return profile.dns[index];
}
}  // namespace field

constexpr std::size_t kProfileFieldCount = 11 + kDnsServerCount;

// The order is the file's: a save writes the keys in this order.
inline constexpr std::array<ProfileField, kProfileFieldCount> kProfileFields = {{
    {kProfileNameKey, &field::Member<&NetworkProfile::profileName>, kId_LE_NewProfile, kNoControl, FieldGroup::None,
     FieldKind::ProfileName},
    {"IP", &field::Member<&NetworkProfile::ip>, kId_IPA_IP, kId_Label_UseIP_IP, FieldGroup::Address,
     FieldKind::AdapterAddress},
    {"SM", &field::Member<&NetworkProfile::sm>, kId_IPA_SM, kId_Label_UseIP_SM, FieldGroup::Address,
     FieldKind::AdapterAddress},
    {"GW", &field::Member<&NetworkProfile::gw>, kId_IPA_GW, kId_Label_UseIP_GW, FieldGroup::Address,
     FieldKind::AdapterAddress},
    {"DNS1", &field::DnsServer<0>, kId_IPA_DNS1, kId_Label_UseDNS_1st, FieldGroup::Dns, FieldKind::AdapterAddress},
    {"DNS2", &field::DnsServer<1>, kId_IPA_DNS2, kId_Label_UseDNS_2nd, FieldGroup::Dns, FieldKind::AdapterAddress},
    {"proxy_IP", &field::Member<&NetworkProfile::proxyIp>, kId_IPA_Proxy, kId_Label_IP, FieldGroup::Proxy,
     FieldKind::Text},
    {"proxy_port", &field::Member<&NetworkProfile::proxyPort>, kId_LE_Port, kNoControl, FieldGroup::Proxy,
     FieldKind::Text},
    {"use_ip", &field::Member<&NetworkProfile::useIp>, kId_CB_UseIP, kNoControl, FieldGroup::Address,
     FieldKind::UseSwitch},
    {"use_dns", &field::Member<&NetworkProfile::useDns>, kId_CB_UseDNS, kNoControl, FieldGroup::Dns,
     FieldKind::UseSwitch},
    {"use_proxy", &field::Member<&NetworkProfile::useProxy>, kId_CB_UseProxy, kNoControl, FieldGroup::Proxy,
     FieldKind::FlagSwitch},
    {"kill_browsers", &field::Member<&NetworkProfile::killBrowsers>, kId_CB_KillBrowsers, kNoControl, FieldGroup::Proxy,
     FieldKind::Flag},
    {kProfileAppliedKey, &field::Member<&NetworkProfile::profileApplied>, kNoControl, kNoControl, FieldGroup::None,
     FieldKind::AppliedMark},
}};

struct FieldGroupBox {
    FieldGroup group;
    int box;
};
inline constexpr std::array<FieldGroupBox, 3> kFieldGroupBoxes = {{
    {FieldGroup::Address, kId_SGB_UseIP},
    {FieldGroup::Dns, kId_SGB_UseDNS},
    {FieldGroup::Proxy, kId_SGB_UseProxy},
}};

inline std::string& FieldValue(NetworkProfile& profile, const ProfileField& field) { return field.value(profile); }
// The accessors only pick a member, so reading through one leaves the profile as it was.
inline const std::string& FieldValue(const NetworkProfile& profile, const ProfileField& field) {
    return field.value(const_cast<NetworkProfile&>(profile));
}

constexpr bool IsSwitch(FieldKind kind) { return kind == FieldKind::UseSwitch || kind == FieldKind::FlagSwitch; }
// The fields a group's check box enables and disables: every field of the group but the check box itself.
constexpr bool EnabledWithGroup(const ProfileField& field, FieldGroup group) {
    return group != FieldGroup::None && field.group == group && !IsSwitch(field.kind);
}

// The group box of group; kNoControl for none.
constexpr int GroupBox(FieldGroup group) {
    for (const FieldGroupBox& each : kFieldGroupBoxes) {
        if (each.group == group) return each.box;
    }
    return kNoControl;
}

// The check box of group (a switch row); nullptr for none.
constexpr const ProfileField* GroupSwitch(FieldGroup group) {
    for (const ProfileField& each : kProfileFields) {
        if (each.group == group && IsSwitch(each.kind)) return &each;
    }
    return nullptr;
}

// The table's consistency, checked at compile time.
namespace field {
constexpr bool SameText(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return a == b;
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}
// A row left out when the count grew is all empty.
constexpr bool EveryRowFilled() {
    for (const ProfileField& each : kProfileFields) {
        if (each.key == nullptr || each.value == nullptr) return false;
    }
    return true;
}
constexpr bool KeysAndControlsAreUnique() {
    for (std::size_t i = 0; i < kProfileFields.size(); ++i) {
        for (std::size_t j = i + 1; j < kProfileFields.size(); ++j) {
            if (SameText(kProfileFields[i].key, kProfileFields[j].key)) return false;
            if (kProfileFields[i].control != kNoControl && kProfileFields[i].control == kProfileFields[j].control) {
                return false;
            }
        }
    }
    return true;
}
constexpr std::size_t CountOf(FieldKind kind) {
    std::size_t count = 0;
    for (const ProfileField& each : kProfileFields) count += each.kind == kind ? 1 : 0;
    return count;
}
// Every group has its box and exactly one check box, and every other field of it a control.
constexpr bool GroupsAreWhole() {
    for (const FieldGroupBox& group : kFieldGroupBoxes) {
        std::size_t switches = 0;
        for (const ProfileField& each : kProfileFields) {
            if (each.group != group.group) continue;
            if (each.control == kNoControl) return false;
            switches += IsSwitch(each.kind) ? 1 : 0;
        }
        if (switches != 1 || group.box == kNoControl) return false;
    }
    return true;
}
// An address for the adapter has a label, and its group's check box chooses between user-given and DHCP.
constexpr bool AdapterAddressesHaveLabelAndDhcpSwitch() {
    for (const ProfileField& each : kProfileFields) {
        if (each.kind != FieldKind::AdapterAddress) continue;
        const ProfileField* groupSwitch = GroupSwitch(each.group);
        if (each.label == kNoControl || groupSwitch == nullptr || groupSwitch->kind != FieldKind::UseSwitch) {
            return false;
        }
    }
    return true;
}
constexpr std::size_t FirstDnsRow() {
    std::size_t row = 0;
    while (row < kProfileFields.size() && kProfileFields[row].value != &DnsServer<0>) ++row;
    return row;
}
constexpr bool IsDnsKey(const char* key, std::size_t number) {
    return key != nullptr && key[0] == 'D' && key[1] == 'N' && key[2] == 'S' &&
           key[3] == static_cast<char>('0' + number) && key[4] == '\0';
}
// The DNS rows follow one another, the i-th holding dns[i] under "DNS<i+1>" in the DNS group.
template <std::size_t... index>
constexpr bool DnsRowsInOrder(std::index_sequence<index...>) {
    constexpr std::size_t first = FirstDnsRow();
    return first + sizeof...(index) <= kProfileFields.size() &&
           ((kProfileFields[first + index].value == &DnsServer<index> &&
             IsDnsKey(kProfileFields[first + index].key, index + 1) &&
             kProfileFields[first + index].group == FieldGroup::Dns &&
             kProfileFields[first + index].kind == FieldKind::AdapterAddress) &&
            ...);
}
constexpr std::size_t DnsGroupAddresses() {
    std::size_t count = 0;
    for (const ProfileField& each : kProfileFields) {
        count += each.group == FieldGroup::Dns && each.kind == FieldKind::AdapterAddress ? 1 : 0;
    }
    return count;
}
}  // namespace field

static_assert(field::EveryRowFilled(), "kProfileFieldCount and the rows differ");
static_assert(field::KeysAndControlsAreUnique(), "two fields share a key or a control");
// The editor handles the name before the other fields and the applied mark after them.
static_assert(kProfileFields.front().kind == FieldKind::ProfileName && field::CountOf(FieldKind::ProfileName) == 1);
static_assert(kProfileFields.back().kind == FieldKind::AppliedMark && field::CountOf(FieldKind::AppliedMark) == 1);
static_assert(field::GroupsAreWhole(), "a group lacks its box, its one check box or a field's control");
static_assert(field::AdapterAddressesHaveLabelAndDhcpSwitch(), "an adapter address needs a label and a DHCP choice");
static_assert(kDnsServerCount >= 1 && kDnsServerCount <= 9, "DNS keys are DNS1 to DNS9");
static_assert(field::DnsRowsInOrder(std::make_index_sequence<kDnsServerCount>{}), "a DNS row is out of place");
static_assert(field::DnsGroupAddresses() == kDnsServerCount, "the DNS group holds exactly the DNS servers");

}  // namespace zelta::profiles

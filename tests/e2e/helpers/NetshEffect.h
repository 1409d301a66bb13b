#pragma once
// What the netsh stand-in does to the adapter's registry values, as the system's netsh would, when
// netsh-registry.txt beside it asks for it. Its first line:
//   apply      the commands take effect; an address from DHCP is leased as the second line says (an address
//              169.254.x.x stands for no server answering: the lease stays 0.0.0.0 and the automatic address is
//              that); switching on DHCP where it is on already fails as netsh does, in the wording that the
//              third line names: "de" for a German system's, English otherwise
//   nothing    the commands change nothing
// and its fourth line names the Linux interface that takes the address too, as a real adapter would (through ip,
// GiveInterfaceTheAddress); left empty, only the registry values change, as when Windows keeps what the interface
// did not take.
#include <windows.h>

#include <string>

#include "adapters/AdapterCommand.h"
#include "tests/e2e/helpers/StartedWith.h"

namespace helpers {

using zelta::adapters::AdapterCommand;
using zelta::adapters::NetshVerb;

inline const wchar_t kNetworkKey[] =
    L"SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
inline const wchar_t kInterfacesKey[] = L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";

inline std::wstring Parameter(const AdapterCommand& command, const char* key) { return Wide(command.Parameter(key)); }

// The adapter key of the connection of that name, or empty.
inline std::wstring AdapterKeyOf(const std::wstring& connection) {
    HKEY network = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kNetworkKey, 0, KEY_READ, &network) != ERROR_SUCCESS) return {};
    std::wstring found;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(network, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        wchar_t value[256] = {};
        DWORD size = sizeof(value) - sizeof(wchar_t);
        const std::wstring path = std::wstring(name) + L"\\Connection";
        if (RegGetValueW(network, path.c_str(), L"Name", RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS &&
            lstrcmpiW(value, connection.c_str()) == 0) {
            found = name;
            break;
        }
    }
    RegCloseKey(network);
    return found;
}

class InterfaceValues {
public:
    explicit InterfaceValues(const std::wstring& adapterKey) {
        const std::wstring path = kInterfacesKey + adapterKey;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~InterfaceValues() {
        if (key_) RegCloseKey(key_);
    }
    InterfaceValues(const InterfaceValues&) = delete;
    InterfaceValues& operator=(const InterfaceValues&) = delete;

    void Text(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
        // A multi-string's single entry is followed by the list's closing NUL.
        std::wstring data = text + L'\0';
        if (type == REG_MULTI_SZ) data += L'\0';
        RegSetValueExW(key_, name, 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>(data.size() * sizeof(wchar_t)));
    }
    std::wstring Read(const wchar_t* name) {
        wchar_t value[512] = {};
        DWORD size = sizeof(value) - sizeof(wchar_t);
        if (!key_ || RegQueryValueExW(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) != 0) {
            return {};
        }
        return value;
    }
    void Number(const wchar_t* name, DWORD number) {
        RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    }
    DWORD ReadNumber(const wchar_t* name) {
        DWORD number = 0;
        DWORD size = sizeof(number);
        if (!key_ || RegQueryValueExW(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &size) != 0) {
            return 0;
        }
        return number;
    }
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};

// Acts on one adapter command (its adapter name in UTF-8); returns the exit code and sets what netsh would print.
inline int ApplyNetshCommand(const AdapterCommand& command, const std::wstring& mode, const std::wstring& lease,
                             const std::wstring& wording, std::string& printed) {
    if (mode != L"apply") return 0;
    const std::wstring adapterKey = AdapterKeyOf(Wide(command.adapter));
    InterfaceValues values(adapterKey);
    if (adapterKey.empty() || !values) {
        printed = "The filename, directory name, or volume label syntax is incorrect.";
        return 1;
    }
    const bool dhcp = Parameter(command, "source") == L"dhcp";
    const std::wstring address = Parameter(command, "addr");
    if (command.verb == NetshVerb::SetAddress) {
        if (dhcp) {
            if (values.ReadNumber(L"EnableDHCP") == 1) {
                printed = wording == L"de" ? "DHCP ist auf dieser Schnittstelle bereits aktiviert."
                                           : "DHCP is already enabled on this interface.";
                return 1;
            }
            const bool automatic = lease.rfind(L"169.254.", 0) == 0;
            values.Number(L"EnableDHCP", 1);
            values.Text(L"IPAddress", L"0.0.0.0", REG_MULTI_SZ);
            values.Text(L"DhcpIPAddress", automatic ? L"0.0.0.0" : lease);
            values.Text(L"DhcpSubnetMask", automatic ? L"0.0.0.0" : L"255.255.255.0");
            values.Text(L"DhcpDefaultGateway", automatic ? L"" : L"192.168.1.1", REG_MULTI_SZ);
            values.Text(L"IPAutoconfigurationAddress", automatic ? lease : L"0.0.0.0");
        } else {
            values.Number(L"EnableDHCP", 0);
            if (!address.empty()) values.Text(L"IPAddress", address, REG_MULTI_SZ);
            const std::wstring mask = Parameter(command, "mask");
            if (!mask.empty()) values.Text(L"SubnetMask", mask, REG_MULTI_SZ);
            const std::wstring gateway = Parameter(command, "gateway");
            if (!gateway.empty()) values.Text(L"DefaultGateway", gateway, REG_MULTI_SZ);
        }
    } else if (command.verb == NetshVerb::SetDns) {
        values.Text(L"NameServer", dhcp ? L"" : address);
    } else {
        const std::wstring servers = values.Read(L"NameServer");
        values.Text(L"NameServer", servers.empty() ? address : servers + L"," + address);
    }
    return 0;
}

// Runs a Linux program to its end, from under Wine (in the scenario's own network namespace).
inline void RunLinux(const std::wstring& commandLine) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring line = L"start.exe /wait /unix " + commandLine;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW((std::wstring(system) + L"\\start.exe").c_str(), &line[0], nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process)) {
        return;
    }
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// What the interface of that Linux name really takes when an address command went through, as Windows would give
// it: the static address with its mask and the default route, or the lease (an automatic 169.254.x.x address has no
// gateway). Nothing when device is empty: then Windows only keeps the values.
inline void GiveInterfaceTheAddress(const AdapterCommand& command, const std::wstring& lease,
                                    const std::wstring& device) {
    if (device.empty() || command.verb != NetshVerb::SetAddress) return;
    const bool dhcp = Parameter(command, "source") == L"dhcp";
    const bool automatic = dhcp && lease.rfind(L"169.254.", 0) == 0;
    const std::wstring address = dhcp ? lease : Parameter(command, "addr");
    const std::wstring gateway = dhcp ? (automatic ? L"" : L"192.168.1.1") : Parameter(command, "gateway");
    const std::wstring ip = L"/usr/sbin/ip ";
    if (!address.empty()) {
        // ip takes the mask as netsh does, dotted.
        const std::wstring mask = automatic ? L"255.255.0.0" : dhcp ? L"255.255.255.0" : Parameter(command, "mask");
        RunLinux(ip + L"addr flush dev " + device);
        RunLinux(ip + L"addr add " + address + L"/" + mask + L" dev " + device);
    }
    if (!gateway.empty()) RunLinux(ip + L"route replace default via " + gateway + L" dev " + device);
}

}  // namespace helpers

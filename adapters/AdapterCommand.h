#pragma once
// One adapter command of the network shell, as the program writes it into the batch file and the companion reads it
// back before running it:
//   netsh int ip|ipv4 set address|set dns|add dns name="ADAPTER"[ KEY=VALUE]...
// with one blank between parts. Written and read here alone, so that the writer, the companion's check and the
// verdict cannot come to disagree on a line.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zelta::adapters {

// "ip" before Vista, "ipv4" from Vista on.
enum class NetshContext { Ip, Ipv4 };
enum class NetshVerb { SetAddress, SetDns, AddDns };

struct AdapterCommand {
    NetshContext context = NetshContext::Ipv4;
    NetshVerb verb = NetshVerb::SetAddress;
    std::string adapter;
    std::vector<std::pair<std::string, std::string>> parameters;  // in the order written; a value may be empty

    // The value of the first parameter with that key; empty when it has none.
    std::string Parameter(const std::string& key) const;
    bool operator==(const AdapterCommand& other) const;
};

// The line, values inserted as they stand and only the adapter name quoted.
std::string WriteAdapterCommand(const AdapterCommand& command);

// The command of a line that has exactly the written shape, with keys of source, addr, mask, gateway, gwmetric, index
// and validate, and values of letters, digits and dots only. Otherwise none, and problem says what is wrong with the
// line, as a phrase.
std::optional<AdapterCommand> ReadAdapterCommand(const std::string& line, std::string& problem);

}  // namespace zelta::adapters

#pragma once
// The command forms of "netsh interface ip" that the netsh stand-in accepts, as the system's netsh documents them
// for the Windows version it runs on:
//   before 6.0  interface ip: set address, set dns, add dns, with the tags name, source, addr, mask, gateway,
//               gwmetric, register, index written out
//   6.0 on      interface ip or ipv4: set address, set dnsservers ("dns" abbreviates it), add dnsservers, with the
//               tags name, source, address ("addr" abbreviates it), mask, gateway, gwmetric, type, subinterface,
//               store, register, index; validate=yes|no on the two DNS commands from 6.1 on
// Words and tags may be shortened to any unique beginning from 6.0 on, as netsh allows. Each tag is given at most
// once, with a value (the product writes every argument with its tag). Anything else is refused as netsh refuses
// it: a command it does not know with "The following command was not found", a known one with its usage.
#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace helpers {

struct NetshArgument {
    std::string tag;  // lower case; empty for a word without "="
    std::string value;
};

// The arguments split at blanks outside double quotes; quotes are dropped, as netsh drops them.
inline std::vector<NetshArgument> SplitNetshArguments(const std::string& arguments) {
    std::vector<NetshArgument> split;
    std::string word;
    bool quoted = false;
    bool any = false;
    auto flush = [&] {
        if (!any) return;
        const auto equals = word.find('=');
        NetshArgument argument;
        if (equals == std::string::npos) {
            argument.value = word;
        } else {
            argument.tag = word.substr(0, equals);
            argument.value = word.substr(equals + 1);
        }
        for (char& c : argument.tag) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        split.push_back(argument);
        word.clear();
        any = false;
    };
    for (const char c : arguments) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            flush();
        } else {
            word += c;
            any = true;
        }
    }
    flush();
    return split;
}

// The one of the names that the word names: the whole name, or from 6.0 on, a beginning of only that one.
inline std::string NetshMatch(const std::string& word, const std::vector<std::string>& names, bool abbreviations) {
    std::string lower = word;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string found;
    for (const std::string& name : names) {
        if (lower == name) return name;
        if (abbreviations && !lower.empty() && name.compare(0, lower.size(), lower) == 0) {
            if (!found.empty()) return {};
            found = name;
        }
    }
    return found;
}

inline bool IsNetshAddress(const std::string& text, bool prefixLength) {
    std::string address = text;
    const auto slash = address.find('/');
    if (slash != std::string::npos) {
        const std::string length = address.substr(slash + 1);
        if (!prefixLength || length.empty() || length.size() > 2 ||
            length.find_first_not_of("0123456789") != std::string::npos || std::stoi(length) > 32) {
            return false;
        }
        address = address.substr(0, slash);
    }
    int parts = 0;
    std::size_t start = 0;
    while (true) {
        const auto dot = address.find('.', start);
        const std::string part = address.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(part) > 255) {
            return false;
        }
        ++parts;
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return parts == 4;
}

inline bool IsNetshNumber(const std::string& text) {
    return !text.empty() && text.size() < 10 && text.find_first_not_of("0123456789") == std::string::npos;
}

// What netsh prints for a command it does not run, or nothing when it accepts the command.
inline std::optional<std::string> NetshRefusal(const std::string& arguments, int major, int minor) {
    const bool vista = major >= 6;
    const bool validate = major > 6 || (major == 6 && minor >= 1);
    const std::string notFound = "The following command was not found: " + arguments + ".";
    const std::vector<NetshArgument> split = SplitNetshArguments(arguments);
    auto word = [&](std::size_t i) { return i < split.size() && split[i].tag.empty() ? split[i].value : "?="; };
    if (split.size() < 4 || word(0).size() < 3 || NetshMatch(word(0), {"interface"}, true).empty()) return notFound;
    const std::string context =
        NetshMatch(word(1), vista ? std::vector<std::string>{"ip", "ipv4"} : std::vector<std::string>{"ip"}, false);
    const std::string verb = NetshMatch(word(2), {"set", "add"}, vista);
    const std::string dnsName = vista ? "dnsservers" : "dns";
    const std::string object = NetshMatch(word(3), {"address", dnsName}, vista);
    if (context.empty() || verb.empty() || object.empty() || (verb == "add" && object == "address")) return notFound;

    const std::string addr = vista ? "address" : "addr";
    std::vector<std::string> tags;
    if (object == "address") {
        tags = {"name", "source", addr, "mask", "gateway", "gwmetric"};
        if (vista) tags.insert(tags.end(), {"type", "subinterface", "store"});
    } else if (verb == "set") {
        tags = {"name", "source", addr, "register"};
    } else {
        tags = {"name", addr, "index"};
    }
    if (object == dnsName && validate) tags.push_back("validate");
    const std::string usage =
        "Usage: " + verb + " " + object + " [name=]<string> " +
        (object == "address" ? "[source=]dhcp|static [" + addr +
                                   "=]<IPv4 address> [mask=]"
                                   "<IPv4 mask> [gateway=]<IPv4 address>|none [gwmetric=]<integer>"
         : verb == "set" ? "[source=]dhcp|static [" + addr + "=]<IPv4 address>|none"
                         : "[" + addr + "=]<IPv4 address> [index=]<integer>") +
        (object == dnsName && validate ? " [validate=]yes|no" : "");

    // Every tag known, given once, with a value.
    std::vector<std::string> given;
    auto value = [&](const std::string& tag) -> std::optional<std::string> {
        for (std::size_t i = 0; i < given.size(); ++i) {
            if (given[i] == tag) return split[4 + i].value;
        }
        return std::nullopt;
    };
    for (std::size_t i = 4; i < split.size(); ++i) {
        const std::string tag = split[i].tag.empty() ? std::string() : NetshMatch(split[i].tag, tags, vista);
        if (tag.empty() || split[i].value.empty() || value(tag)) return usage;
        given.push_back(tag);
    }
    auto lowerValue = [&](const std::string& tag) {
        std::string text = value(tag).value_or("");
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    auto oneOf = [&](const std::string& tag, const std::vector<std::string>& allowed) {
        if (!value(tag)) return true;
        for (const std::string& choice : allowed) {
            if (lowerValue(tag) == choice) return true;
        }
        return false;
    };
    auto addressOr = [&](const std::string& tag, bool noneAllowed, bool prefixLength) {
        return !value(tag) || IsNetshAddress(*value(tag), prefixLength) || (noneAllowed && lowerValue(tag) == "none");
    };
    const bool wellFormed = value("name") && oneOf("source", {"dhcp", "static"}) &&
                            oneOf("register", {"none", "primary", "both"}) && oneOf("validate", {"yes", "no"}) &&
                            oneOf("type", {"unicast", "anycast"}) && oneOf("store", {"active", "persistent"}) &&
                            (!value("gwmetric") || IsNetshNumber(*value("gwmetric"))) &&
                            (!value("index") || (IsNetshNumber(*value("index")) && std::stoi(*value("index")) > 0)) &&
                            addressOr("mask", false, false) && addressOr("gateway", true, false);
    if (!wellFormed) return usage;
    const bool dhcp = lowerValue("source") == "dhcp";
    if (object == "address") {
        // DHCP takes no address; a static address comes with its mask (or its prefix length from 6.0 on); the
        // gateway may be set alone; a metric only with a gateway.
        const bool prefix = vista && value(addr) && value(addr)->find('/') != std::string::npos;
        const bool staticForm = value(addr) ? addressOr(addr, false, vista) && (value("mask").has_value() != prefix)
                                            : value("gateway").has_value();
        if (!value("source") || (dhcp ? value(addr) || value("mask") || value("gateway") : !staticForm) ||
            (value("mask") && !value(addr)) || (value("gwmetric") && !value("gateway"))) {
            return usage;
        }
    } else if (verb == "set") {
        if (!value("source") || (dhcp ? value(addr).has_value() : !value(addr) || !addressOr(addr, true, false))) {
            return usage;
        }
    } else if (!value(addr) || !addressOr(addr, false, false)) {
        return usage;
    }
    return std::nullopt;
}

}  // namespace helpers

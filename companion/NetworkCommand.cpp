#include "companion/NetworkCommand.h"

#include <cctype>

namespace zelta::companion {

namespace {

bool StartsWith(const std::string& text, std::size_t at, const std::string& part) {
    return text.compare(at, part.size(), part) == 0;
}

bool IsValueCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.'; }

bool IsParameterName(const std::string& key) {
    for (const char* known : {"source", "addr", "mask", "gateway", "gwmetric", "index", "validate"}) {
        if (key == known) return true;
    }
    return false;
}

}  // namespace

std::string ForeignCommandProblem(const std::string& commandLine) {
    std::size_t at = 0;
    auto take = [&](const std::string& part) {
        if (!StartsWith(commandLine, at, part)) return false;
        at += part.size();
        return true;
    };
    if (!take("netsh int ")) return "it does not start with \"netsh int \"";
    if (!take("ipv4 ") && !take("ip ")) return "it names no \"ip\" or \"ipv4\" context";
    if (!take("set address ") && !take("set dns ") && !take("add dns ")) {
        return "it is not a \"set address\", \"set dns\" or \"add dns\" command";
    }
    if (!take("name=\"")) return "it names no adapter in double quotes";
    const std::size_t closing = commandLine.find('"', at);
    if (closing == std::string::npos || closing == at) return "it names no adapter in double quotes";
    at = closing + 1;
    while (at < commandLine.size()) {
        if (!take(" ")) return "its adapter name is not followed by a blank and a parameter";
        const std::size_t equals = commandLine.find('=', at);
        if (equals == std::string::npos || !IsParameterName(commandLine.substr(at, equals - at))) {
            return "it holds a parameter other than source, addr, mask, gateway, gwmetric, index and validate";
        }
        at = equals + 1;
        while (at < commandLine.size() && IsValueCharacter(commandLine[at])) ++at;
        if (at < commandLine.size() && commandLine[at] != ' ') {
            return "a parameter's value holds a character other than letters, digits and dots";
        }
    }
    return {};
}

}  // namespace zelta::companion

#include "adapters/AdapterCommand.h"

#include <cctype>

namespace zelta::adapters {

namespace {

constexpr const char* kStart = "netsh int ";

struct ContextWord {
    NetshContext context;
    const char* text;
};
constexpr ContextWord kContexts[] = {{NetshContext::Ip, "ip"}, {NetshContext::Ipv4, "ipv4"}};

struct VerbWords {
    NetshVerb verb;
    const char* text;
};
constexpr VerbWords kVerbs[] = {
    {NetshVerb::SetAddress, "set address"}, {NetshVerb::SetDns, "set dns"}, {NetshVerb::AddDns, "add dns"}};

// The keys the program writes, taken with every verb alike: netsh itself refuses one that its command does not know.
constexpr const char* kKeys[] = {"source", "addr", "mask", "gateway", "gwmetric", "index", "validate"};

// "a, b or c", each word between the quotes given.
template <typename Row, std::size_t N, typename Text>
std::string Listed(const Row (&rows)[N], Text text, const char* quote, const char* last) {
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        list += std::string(i == 0 ? "" : i + 1 == N ? last : ", ") + quote + text(rows[i]) + quote;
    }
    return list;
}

const char* ContextText(NetshContext context) {
    for (const ContextWord& row : kContexts) {
        if (row.context == context) return row.text;
    }
    return "";
}

const char* VerbText(NetshVerb verb) {
    for (const VerbWords& row : kVerbs) {
        if (row.verb == verb) return row.text;
    }
    return "";
}

bool IsKey(const std::string& key) {
    for (const char* known : kKeys) {
        if (key == known) return true;
    }
    return false;
}

bool IsValueCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.'; }

std::optional<AdapterCommand> Refused(std::string& problem, std::string text) {
    problem = std::move(text);
    return std::nullopt;
}

}  // namespace

std::string AdapterCommand::Parameter(const std::string& key) const {
    for (const auto& [name, value] : parameters) {
        if (name == key) return value;
    }
    return {};
}

bool AdapterCommand::operator==(const AdapterCommand& other) const {
    return context == other.context && verb == other.verb && adapter == other.adapter && parameters == other.parameters;
}

std::string WriteAdapterCommand(const AdapterCommand& command) {
    std::string line = std::string(kStart) + ContextText(command.context) + " " + VerbText(command.verb) + " name=\"" +
                       command.adapter + "\"";
    for (const auto& [key, value] : command.parameters) line += " " + key + "=" + value;
    return line;
}

std::optional<AdapterCommand> ReadAdapterCommand(const std::string& line, std::string& problem) {
    const auto text = [](const auto& row) { return row.text; };
    const auto word = [](const char* key) { return key; };
    std::size_t at = 0;
    auto take = [&](const std::string& part) {
        if (line.compare(at, part.size(), part) != 0) return false;
        at += part.size();
        return true;
    };
    AdapterCommand command;
    if (!take(kStart)) return Refused(problem, "it does not start with \"" + std::string(kStart) + "\"");
    const ContextWord* context = nullptr;
    for (const ContextWord& row : kContexts) {
        if (!context && take(std::string(row.text) + " ")) context = &row;
    }
    if (!context) return Refused(problem, "it names no " + Listed(kContexts, text, "\"", " or ") + " context");
    command.context = context->context;
    const VerbWords* verb = nullptr;
    for (const VerbWords& row : kVerbs) {
        if (!verb && take(std::string(row.text) + " ")) verb = &row;
    }
    if (!verb) return Refused(problem, "it is not a " + Listed(kVerbs, text, "\"", " or ") + " command");
    command.verb = verb->verb;

    const std::string noAdapter = "it names no adapter in double quotes";
    if (!take("name=\"")) return Refused(problem, noAdapter);
    const std::size_t closing = line.find('"', at);
    if (closing == std::string::npos || closing == at) return Refused(problem, noAdapter);
    command.adapter = line.substr(at, closing - at);
    at = closing + 1;
    while (at < line.size()) {
        if (!take(" ")) return Refused(problem, "its adapter name is not followed by a blank and a parameter");
        const std::size_t equals = line.find('=', at);
        const std::string key = line.substr(at, equals == std::string::npos ? std::string::npos : equals - at);
        if (equals == std::string::npos || !IsKey(key)) {
            return Refused(problem, "it holds a parameter other than " + Listed(kKeys, word, "", " and "));
        }
        at = equals + 1;
        const std::size_t start = at;
        while (at < line.size() && IsValueCharacter(line[at])) ++at;
        if (at < line.size() && line[at] != ' ') {
            return Refused(problem, "a parameter's value holds a character other than letters, digits and dots");
        }
        command.parameters.emplace_back(key, line.substr(start, at - start));
    }
    problem.clear();
    return command;
}

}  // namespace zelta::adapters

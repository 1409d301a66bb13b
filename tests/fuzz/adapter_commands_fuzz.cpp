// The adapter commands of a profile the command check accepts: every line names the adapter in one pair of
// double quotes, holds no control character and nothing outside the quotes that the command interpreter would
// act on, and gives only dotted quads (or nothing) as addresses. The batch file made of them reads back, line
// for line, as the very commands the companion starts.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "adapters/AdapterCommand.h"
#include "app/model/Ipv4Text.h"
#include "app/model/ZeltaError.h"
#include "apply/AdapterCommands.h"
#include "apply/CommandSafety.h"
#include "companion/BatchFile.h"

using namespace zelta;

namespace {

// A console code page that keeps ASCII and has every other byte, none of them, or a shifted part of them: ANSI
// 0xA0..0xFF stand at 0x80..0xDF, ANSI 0x80..0x9F have no counterpart.
class ConsoleCodePages : public platform::CodePages {
public:
    enum Kind { kSame, kAsciiOnly, kShifted };
    explicit ConsoleCodePages(Kind kind) : kind_(kind) {}
    std::optional<std::string> AnsiToConsole(const std::string& text) override {
        std::string console;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80 || kind_ == kSame) {
                console += c;
            } else if (kind_ == kShifted && byte >= 0xA0) {
                console += static_cast<char>(byte - 0x20);
            } else {
                return std::nullopt;
            }
        }
        return console;
    }
    std::string ConsoleToAnsi(const std::string& text) override {
        std::string ansi;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80 || kind_ == kSame) {
                ansi += c;
            } else {
                ansi += byte < 0xE0 && kind_ == kShifted ? static_cast<char>(byte + 0x20) : '?';
            }
        }
        return ansi;
    }
    // Not used by the commands.
    std::string Utf8ToAnsiText(const std::string& utf8, bool& exact) override {
        exact = true;
        return utf8;
    }
    std::string AnsiTextToUtf8(const std::string& text) override { return text; }

private:
    Kind kind_;
};

// Texts a hand-edited file may hold, with the well-formed ones common enough to reach the commands.
std::string Address(FuzzedDataProvider& provider) {
    switch (provider.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return "";
        case 1:
            return provider.ConsumeRandomLengthString(24);
        default: {
            std::string quad;
            for (int part = 0; part < 4; ++part) {
                quad += (part ? "." : "") + std::to_string(provider.ConsumeIntegral<unsigned char>());
            }
            return quad;
        }
    }
}

std::string Choice(FuzzedDataProvider& provider, const char* first, const char* second) {
    switch (provider.ConsumeIntegralInRange(0, 2)) {
        case 0:
            return first;
        case 1:
            return second;
        default:
            return provider.ConsumeRandomLengthString(8);
    }
}

void CheckLine(const std::string& line, const std::string& adapter) {
    const auto open = line.find('"');
    FUZZ_CHECK(line.rfind("netsh int ", 0) == 0);
    FUZZ_CHECK(open != std::string::npos && open >= 5 && line.compare(open - 5, 5, "name=") == 0);
    const auto close = line.find('"', open + 1);
    FUZZ_CHECK(close != std::string::npos && line.find('"', close + 1) == std::string::npos);
    FUZZ_CHECK(line.substr(open + 1, close - open - 1) == adapter);
    for (const char c : line) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    const std::string outside = line.substr(0, open) + " " + line.substr(close + 1);
    FUZZ_CHECK(outside.find_first_of("&|<>^") == std::string::npos);
    // Words outside the quotes: an address keyword carries a dotted quad or nothing.
    std::size_t at = 0;
    while (at < outside.size()) {
        const auto end = std::min(outside.find(' ', at), outside.size());
        const std::string word = outside.substr(at, end - at);
        for (const std::string keyword : {"addr=", "mask=", "gateway="}) {
            if (word.compare(0, keyword.size(), keyword) == 0) {
                const std::string address = word.substr(keyword.size());
                FUZZ_CHECK(address.empty() || IsDottedQuad(address));
            }
        }
        at = end + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    profiles::NetworkProfile profile;
    profile.useIp = Choice(provider, "dhcp", "user");
    profile.useDns = Choice(provider, "dhcp", "user");
    profile.ip = Address(provider);
    profile.sm = Address(provider);
    profile.gw = Address(provider);
    for (std::string& server : profile.dns) server = Address(provider);
    profile.useProxy = Choice(provider, "1", "0");
    profile.killBrowsers = Choice(provider, "1", "0");
    profile.proxyIp = Address(provider);
    profile.proxyPort = provider.ConsumeRandomLengthString(6);
    const int major = provider.ConsumeIntegralInRange(4, 11);
    const int minor = provider.ConsumeIntegralInRange(-1, 3);
    ConsoleCodePages codePages(static_cast<ConsoleCodePages::Kind>(provider.ConsumeIntegralInRange(0, 2)));
    profile.profileName = provider.ConsumeRemainingBytesAsString();

    try {
        apply::CheckCommandInputs(profile, 1, codePages);
    } catch (const ZeltaError& error) {
        FUZZ_CHECK(std::string(error.what()).rfind("Cannot apply profile 1 (\"", 0) == 0);
        return 0;
    }
    const std::string adapter = profiles::SplitProfileName(profile.profileName).adapter;
    // A backslash before the closing quote would escape it for the program that reads the line.
    FUZZ_CHECK(!adapter.empty() && adapter.back() != '\\');
    const std::vector<std::string> lines = apply::BuildAdapterCommands(profile, major, minor);
    for (const std::string& line : lines) CheckLine(line, adapter);

    // Written as the apply step writes it: in the console code page, which the check made sure has the name.
    const std::optional<std::string> bytes = codePages.AnsiToConsole(apply::ComposeBatchText(lines));
    FUZZ_CHECK(bytes.has_value());
    const std::vector<std::string> batch = companion::BatchCommandLines(bytes.value_or(""));
    FUZZ_CHECK(batch.size() == lines.size());
    for (std::size_t i = 0; i < lines.size() && i < batch.size(); ++i) {
        const companion::PreparedCommand command = companion::PrepareCommand(batch[i], codePages);
        FUZZ_CHECK(command.problem.empty());
        FUZZ_CHECK(command.text == lines[i]);
        FUZZ_CHECK(command.program == "netsh");
        // The companion runs every line the program writes, and reads it as the command that was written.
        std::string problem;
        const std::optional<adapters::AdapterCommand> read = adapters::ReadAdapterCommand(command.text, problem);
        FUZZ_CHECK(read.has_value() && problem.empty());
        FUZZ_CHECK(read && read->adapter == adapter && adapters::WriteAdapterCommand(*read) == lines[i]);
    }
    return 0;
}

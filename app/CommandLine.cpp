#include "app/CommandLine.h"

#include "app/model/AsciiText.h"
#include "profiles/NetworkProfile.h"

namespace zelta {

namespace {

const char kUsage[] = "Zelta.exe takes /tray, or /apply followed by the name of a profile.";
constexpr std::size_t kShownOptionLength = 40;

StartRequest Refuse(const std::string& error) { return {StartAction::Refused, {}, error}; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

bool HasControlCharacters(const std::string& text) {
    for (char c : text) {
        if (IsControl(c) && c != '\t') return true;
    }
    return false;
}

std::string ShownOption(const std::string& option) {
    return option.size() <= kShownOptionLength ? option : option.substr(0, kShownOptionLength) + "...";
}

StartRequest ApplyRequest(const std::string& rest) {
    std::string name = TrimBlanks(rest);
    if (!name.empty() && name.front() == '"') {
        const std::size_t closing = name.find('"', 1);
        if (closing == std::string::npos) return Refuse("The profile name after /apply lacks its closing quote.");
        const std::string after = TrimBlanks(name.substr(closing + 1));
        if (!after.empty()) return Refuse("Unknown option \"" + ShownOption(after) + "\". " + kUsage);
        name = TrimBlanks(name.substr(1, closing - 1));
    }
    if (name.empty()) return Refuse("/apply needs the name of a profile, as in: Zelta.exe /apply Office.");
    if (name.size() > kMaxProfileNameArgument) {
        return Refuse("The profile name after /apply is longer than " + std::to_string(kMaxProfileNameArgument) +
                      " characters.");
    }
    return {StartAction::Apply, name, {}};
}

}  // namespace

StartRequest ParseCommandLine(const std::string& arguments, bool exact) {
    if (!exact) {
        return Refuse(
            "The command line holds characters that Windows cannot pass on to the program: a profile name "
            "can use only the characters of the system's code page.");
    }
    if (arguments.size() > kMaxCommandLineLength) {
        return Refuse("The command line is longer than " + std::to_string(kMaxCommandLineLength) + " characters.");
    }
    if (HasControlCharacters(arguments)) return Refuse("The command line holds characters that are not text.");

    bool tray = false;
    std::size_t at = 0;
    while (true) {
        while (at < arguments.size() && IsBlank(arguments[at])) ++at;
        if (at == arguments.size()) break;
        std::size_t end = at;
        while (end < arguments.size() && !IsBlank(arguments[end])) ++end;
        const std::string option = arguments.substr(at, end - at);
        if (SameIgnoringAsciiCase(option, "/tray")) {
            tray = true;
            at = end;
        } else if (SameIgnoringAsciiCase(option, "/apply")) {
            return ApplyRequest(arguments.substr(end));
        } else {
            return Refuse("Unknown option \"" + ShownOption(option) + "\". " + kUsage);
        }
    }
    return {tray ? StartAction::Tray : StartAction::Normal, {}, {}};
}

bool IsDeliverableProfileName(const std::string& name) {
    return !name.empty() && name.size() <= kMaxProfileNameArgument && !HasControlCharacters(name) &&
           TrimBlanks(name) == name;
}

std::vector<int> ProfilesNamed(const std::vector<std::string>& captions, const std::string& name) {
    std::vector<int> found;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const std::string namePart = TrimBlanks(profiles::SplitProfileName(captions[i]).name);
        if ((!namePart.empty() && SameIgnoringAsciiCase(namePart, name)) ||
            SameIgnoringAsciiCase(TrimBlanks(captions[i]), name)) {
            found.push_back(static_cast<int>(i));
        }
    }
    return found;
}

std::string ProfileNameError(const std::string& name, std::size_t matches) {
    if (matches == 0) return "There is no profile named \"" + name + "\".";
    return std::to_string(matches) + " profiles are named \"" + name +
           "\": rename all but one of them to apply it from the command line.";
}

}  // namespace zelta

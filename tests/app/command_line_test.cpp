// The command line: what each start is asked to do, and which tray entry a name given after /apply stands for.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace zelta {
namespace {

const std::vector<std::string> kCaptions = {"Office - Local Area Connection", "Home - Wireless", "Lab - LAN",
                                            "lab - VPN"};

struct Case {
    const char* what;
    std::string arguments;
    bool exact;
    StartAction action;
    std::string nameOrErrorStart;  // the name to apply, or how the error report starts
    std::vector<int> matches;      // for Apply: the captions that the name stands for
};

TEST(CommandLine, EachStartIsOneRequestOrRefusedWithItsReason) {
    const std::vector<Case> cases = {
        {"nothing", "", true, StartAction::Normal, "", {}},
        {"the Run key's start", "/tray", true, StartAction::Tray, "", {}},
        {"an option in capitals", "  /TRAY ", true, StartAction::Tray, "", {}},
        {"a profile's name", "/apply Office", true, StartAction::Apply, "Office", {0}},
        {"letters' case aside", "/APPLY oFFICE", true, StartAction::Apply, "oFFICE", {0}},
        {"the stored text, quoted",
         "/apply \"office - local area connection\"",
         true,
         StartAction::Apply,
         "office - local area connection",
         {0}},
        {"blanks around the name", "/apply   Home  ", true, StartAction::Apply, "Home", {1}},
        {"after /tray", "/tray /apply Home", true, StartAction::Apply, "Home", {1}},
        {"no such profile", "/apply Gym", true, StartAction::Apply, "Gym", {}},
        {"an adapter is no profile's name", "/apply LAN", true, StartAction::Apply, "LAN", {}},
        {"two profiles of that name", "/apply LAB", true, StartAction::Apply, "LAB", {2, 3}},
        {"no name", "/apply  ", true, StartAction::Refused, "/apply needs the name of a profile", {}},
        {"an unknown option", "/start", true, StartAction::Refused, "Unknown option \"/start\". Zelta.exe takes", {}},
        {"a bare name", "Office", true, StartAction::Refused, "Unknown option \"Office\"", {}},
        {"text after the quoted name", "/apply \"Home\" now", true, StartAction::Refused, "Unknown option \"now\"", {}},
        {"an open quote", "/apply \"Home", true, StartAction::Refused, "The profile name after /apply lacks", {}},
        {"an overlong name",
         "/apply " + std::string(256, 'n'),
         true,
         StartAction::Refused,
         "The profile name after /apply is longer than 255 characters.",
         {}},
        {"a name of the longest length",
         "/apply " + std::string(255, 'n'),
         true,
         StartAction::Apply,
         std::string(255, 'n'),
         {}},
        {"an overlong command line",
         "/apply " + std::string(1020, 'n'),
         true,
         StartAction::Refused,
         "The command line is longer than 1024 characters.",
         {}},
        {"no text",
         "/apply Off\x01ice",
         true,
         StartAction::Refused,
         "The command line holds characters that are not",
         {}},
        {"characters lost on the way",
         "/apply Caf?",
         false,
         StartAction::Refused,
         "The command line holds characters that Windows cannot pass on",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const StartRequest request = ParseCommandLine(c.arguments, c.exact);
        EXPECT_EQ(request.action, c.action);
        if (c.action == StartAction::Refused) {
            EXPECT_EQ(request.error.rfind(c.nameOrErrorStart, 0), 0u) << request.error;
            continue;
        }
        EXPECT_EQ(request.profileName, c.nameOrErrorStart);
        if (c.action != StartAction::Apply) continue;
        // What a later start hands the running program is taken there as it was given.
        EXPECT_TRUE(IsDeliverableProfileName(request.profileName));
        const std::vector<int> found = ProfilesNamed(kCaptions, request.profileName);
        EXPECT_EQ(found, c.matches);
        if (found.size() != 1) {
            EXPECT_EQ(ProfileNameError(request.profileName, found.size()),
                      found.empty() ? "There is no profile named \"" + request.profileName + "\"."
                                    : "2 profiles are named \"LAB\": rename all but one of them to apply it from the "
                                      "command line.");
        }
    }
    // Bytes that no command line gives are not taken from another process either.
    for (const std::string& bad : {std::string(), std::string(256, 'n'), std::string("a\nb"), std::string(" Home")}) {
        EXPECT_FALSE(IsDeliverableProfileName(bad));
    }
}

}  // namespace
}  // namespace zelta

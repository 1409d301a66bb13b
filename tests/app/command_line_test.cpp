// The command line: what each start is asked to do, and which tray entry a name given after /apply stands for.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace zelta {
namespace {

struct Case {
    std::string arguments;
    bool exact;
    StartAction action;
    std::string nameOrErrorStart;  // the name to apply, or how the error report starts
    std::vector<int> matches;      // for Apply: the captions that the name stands for
};

TEST(CommandLine, EachStartIsOneRequestOrRefusedWithItsReason) {
    const std::vector<std::string> captions = {"Office - Local Area Connection", "Home - Wireless", "Lab - LAN",
                                               "lab - VPN"};
    const std::string longest(255, 'n');
    const std::vector<Case> cases = {
        {"", true, StartAction::Normal, "", {}},
        {"  /TRAY ", true, StartAction::Tray, "", {}},
        {"/APPLY oFFICE", true, StartAction::Apply, "oFFICE", {0}},
        {"/apply \"office - local area connection\"", true, StartAction::Apply, "office - local area connection", {0}},
        {"/tray /apply   Home  ", true, StartAction::Apply, "Home", {1}},
        {"/apply Gym", true, StartAction::Apply, "Gym", {}},
        {"/apply LAN", true, StartAction::Apply, "LAN", {}},  // an adapter is no profile's name
        {"/apply LAB", true, StartAction::Apply, "LAB", {2, 3}},
        {"/apply " + longest, true, StartAction::Apply, longest, {}},
        {"/apply  ", true, StartAction::Refused, "/apply needs the name of a profile", {}},
        {"/start", true, StartAction::Refused, "Unknown option \"/start\". Zelta.exe takes /tray, or /apply", {}},
        {"Office", true, StartAction::Refused, "Unknown option \"Office\"", {}},
        {"/apply \"Home\" now", true, StartAction::Refused, "Unknown option \"now\"", {}},
        {"/apply \"Home", true, StartAction::Refused, "The profile name after /apply lacks its closing quote.", {}},
        {"/apply n" + longest, true, StartAction::Refused, "The profile name after /apply is longer than 255", {}},
        {"/apply " + std::string(1020, 'n'), true, StartAction::Refused, "The command line is longer than 1024", {}},
        {"/apply Off\x01ice", true, StartAction::Refused, "The command line holds characters that are not text.", {}},
        {"/apply Caf?", false, StartAction::Refused, "The command line holds characters that Windows cannot", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const StartRequest request = ParseCommandLine(c.arguments, c.exact);
        EXPECT_EQ(request.action, c.action);
        if (c.action == StartAction::Refused) {
            EXPECT_EQ(request.error.rfind(c.nameOrErrorStart, 0), 0u) << request.error;
            continue;
        }
        EXPECT_EQ(request.profileName, c.nameOrErrorStart);
        if (c.action != StartAction::Apply) continue;
        EXPECT_TRUE(IsDeliverableProfileName(request.profileName));  // a later start hands it on as it is
        const std::vector<int> found = ProfilesNamed(captions, request.profileName);
        EXPECT_EQ(found, c.matches);
        if (found.size() == 1) continue;
        EXPECT_EQ(ProfileNameError(request.profileName, found.size()),
                  found.empty() ? "There is no profile named \"" + request.profileName + "\"."
                                : "2 profiles are named \"LAB\": rename all but one of them to apply it from the "
                                  "command line.");
    }
    for (const std::string& bad : {std::string(), "n" + longest, std::string("a\nb"), std::string(" Home")}) {
        EXPECT_FALSE(IsDeliverableProfileName(bad));
    }
}

}  // namespace
}  // namespace zelta

#include <gtest/gtest.h>

#include "profiles/SettingsPath.h"

namespace zelta::profiles {
namespace {

TEST(SettingsPath, FollowsTheExecutableName) {
    EXPECT_EQ(SettingsFilePathFor("C:\\Tools\\Zelta.exe"), "C:\\Tools\\Zelta.ini");
    EXPECT_EQ(SettingsFilePathFor("C:\\Tools\\Tool.exe"), "C:\\Tools\\Tool.ini");
    EXPECT_EQ(SettingsFilePathFor("C:\\Tools\\Zelta"), "C:\\Tools\\Zelta.ini");
    EXPECT_EQ(SettingsFilePathFor("C:\\My.Tools\\Zelta"), "C:\\My.Tools\\Zelta.ini");
    EXPECT_EQ(SettingsFilePathFor("C:\\Program Files\\Zelta\\Zelta.v2.exe"), "C:\\Program Files\\Zelta\\Zelta.v2.ini");
}

}  // namespace
}  // namespace zelta::profiles

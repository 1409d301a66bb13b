// Finding a command's program in the interpreter's order.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "companion/ProgramSearch.h"

namespace zelta::companion {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Files are listed in lower case; a found path keeps the case of the extension that found it.
struct SearchCase {
    const char* name;
    std::string program;
    SearchPlaces places;
    std::set<std::string> files;
    std::optional<std::string> found;
};

TEST(FindProgram, LooksWhereTheInterpreterLooksInItsOrder) {
    const SearchPlaces system{"C:\\App", "C:\\Windows\\system32;C:\\Windows", ""};
    const SearchCase cases[] = {
        {"the current folder comes first", "netsh", system,
         {"c:\\app\\netsh.exe", "c:\\windows\\system32\\netsh.exe"}, std::string("C:\\App\\netsh.EXE")},
        {"then PATH, in its order", "netsh", system,
         {"c:\\windows\\system32\\netsh.exe", "c:\\windows\\netsh.exe"},
         std::string("C:\\Windows\\system32\\netsh.EXE")},
        {"extensions in the default order", "netsh", system,
         {"c:\\app\\netsh.exe", "c:\\app\\netsh.com"}, std::string("C:\\App\\netsh.COM")},
        {"extensions in the order PATHEXT gives", "netsh", {"C:\\App", "", ".EXE;.COM"},
         {"c:\\app\\netsh.exe", "c:\\app\\netsh.com"}, std::string("C:\\App\\netsh.EXE")},
        {"a name with its extension", "netsh.exe", system,
         {"c:\\windows\\netsh.exe"}, std::string("C:\\Windows\\netsh.exe")},
        {"a folder of the name is the only place", "tools\\netsh", system,
         {"c:\\app\\tools\\netsh.exe", "c:\\windows\\system32\\netsh.exe"},
         std::string("C:\\App\\tools\\netsh.EXE")},
        {"a full path", "D:\\x\\netsh.exe", system, {"d:\\x\\netsh.exe"}, std::string("D:\\x\\netsh.exe")},
        {"quoted and empty PATH entries", "netsh", {"C:\\App", ";\"C:\\My Tools\";;C:\\Windows\\", ""},
         {"c:\\my tools\\netsh.exe"}, std::string("C:\\My Tools\\netsh.EXE")},
        {"a folder path ending in a backslash", "netsh", {"C:\\", "", ""},
         {"c:\\netsh.exe"}, std::string("C:\\netsh.EXE")},
        {"nowhere", "netsh", system, {"c:\\app\\other.exe"}, std::nullopt},
    };
    for (const SearchCase& c : cases) {
        // File names are compared without regard to case, as the system does.
        const auto found = FindProgram(c.program, c.places, [&](const std::string& path) {
            return c.files.count(Lower(path)) > 0;
        });
        EXPECT_EQ(found, c.found) << c.name;
    }
}

TEST(IsStartableProgram, OnlyProgramsOfTheirOwn) {
    EXPECT_TRUE(IsStartableProgram("C:\\Windows\\system32\\NETSH.EXE"));
    EXPECT_TRUE(IsStartableProgram("C:\\App\\netsh.com"));
    EXPECT_FALSE(IsStartableProgram("C:\\App\\netsh.bat"));
    EXPECT_FALSE(IsStartableProgram("C:\\App\\netsh.cmd"));
    EXPECT_FALSE(IsStartableProgram("C:\\App\\exe"));
}

}  // namespace
}  // namespace zelta::companion

// The settings reader against the system's own private-profile reader: the same hand-edited files go to
// GetPrivateProfileStringA and to our reader, and every value is compared. Each difference that is our reader's
// chosen rule is listed below with its reason; any other difference fails the scenario.
#include <cstdio>
#include <set>
#include <sstream>
#include <utility>

#include "platform/win32/CodePages_win32.h"
#include "platform/win32/FileSystem_win32.h"
#include "profiles/SettingsFile.h"
#include "tests/e2e/driver/Driver.h"

namespace {

struct OracleFile {
    const char* name;
    std::string bytes;
};

// The key lines a profile block holds, for files that look like the program's own.
std::string Block(int number, const std::string& name, const std::string& eol) {
    return "[Profile" + std::to_string(number) + "]" + eol + "profile_name=" + name + eol + "IP=10.0.0." +
           std::to_string(number) + eol + "SM=255.0.0.0" + eol + "use_ip=dhcp" + eol + "use_proxy=1" + eol +
           "proxy_port=" + eol + "profile_applied=0" + eol;
}

// Hand-edited files the way a careless editor or a damaged disk makes them: lines of brackets, equals signs,
// blanks, quotes, line ends and letters in a fixed pseudo-random order, so every run feeds the same bytes.
std::string Scrambled(unsigned seed, std::size_t length) {
    static const char kAlphabet[] = "[[]]==\r\n\r\n \t;#\"'aAbBkK01P";
    std::string bytes = "[P]\r\n";
    unsigned state = seed;
    while (bytes.size() < length) {
        state = state * 1103515245u + 12345u;
        bytes += kAlphabet[(state >> 16) % (sizeof(kAlphabet) - 1)];
    }
    return bytes;
}

std::vector<OracleFile> Files() {
    const std::string header = "[Zelta Settings]\r\n#_profiles=2\r\nlast_pai=1\r\n";
    return {
        {"layout", header + Block(1, "Office - LAN", "\r\n") + Block(2, "Home - WLAN", "\r\n")},
        {"lf", "[Zelta Settings]\n#_profiles=2\n" + Block(1, "A - LAN", "\n") + Block(2, "B - LAN", "\n")},
        {"cr", "[Zelta Settings]\r#_profiles=2\r" + Block(1, "A - LAN", "\r") + Block(2, "B - LAN", "\r")},
        {"no final line end", "[Zelta Settings]\r\n#_profiles=1\r\n[Profile1]\r\nprofile_name=A - LAN"},
        {"mixed cr in lf", "[P]\na=1\rb=2\nc=3\n"},
        {"blanks",
         "  [ Zelta Settings ]  \r\n\t#_profiles \t=\t 2 \t\r\n[Profile1]\r\n  IP =  1.2.3.4  \r\n"
         "SM= \r\n =nokey\r\nGW\t=\t\r\n"},
        {"letter case",
         "[ZELTA SETTINGS]\r\n#_PROFILES=2\r\n[profile1]\r\nProfile_Name=Upper - LAN\r\n"
         "ip=9.9.9.9\r\n[PROFILE2]\r\nIP=8.8.8.8\r\n"},
        {"quotes",
         "[P]\r\ndq=\"A - B\"\r\nsq='x'\r\nhalf=\"open\r\ninner=a\"b\"c\r\nlone=\"\r\nempty=\"\"\r\n"
         "spaced= \" padded \" \r\nmixed=\"x'\r\n"},
        {"duplicates", "[P]\r\nk=1\r\nk=2\r\nK=3\r\n[p]\r\nk=4\r\nj=5\r\n[Q]\r\n[P]\r\nm=6\r\n"},
        {"long lines", "[P]\r\nlong2047=" + std::string(2047, 'a') + "\r\nlong2048=" + std::string(2048, 'b') +
                           "\r\nlong5000=" + std::string(5000, 'c') + "\r\n" + std::string(3000, 'z') + "=far\r\n"},
        {"odd lines",
         "stray=before\r\n[P]\r\nnoequals\r\n;comment=1\r\n#_profiles=3\r\n=x\r\na==b\r\n[]\r\ne=1\r\n"
         "[Q\r\nq=1\r\n[R]tail\r\nr=2\r\n"},
        {"utf-8 mark",
         "\xEF\xBB\xBF[Zelta Settings]\r\n#_profiles=1\r\n[Profile1]\r\nprofile_name=Caf\xC3\xA9 - "
         "N\xC3\xBC\r\nIP=1.1.1.1\r\n"},
        {"utf-8 beyond ansi",
         "\xEF\xBB\xBF[P]\r\nmacron=M\xC4\x81ori\r\ncjk=\xE4\xB8\xAD\xE6\x96\x87\r\n"
         "euro=\xE2\x82\xAC\r\nbad=\xFF\xFE\r\n"},
        {"ansi", "[Zelta Settings]\r\n#_profiles=1\r\n[Profile1]\r\nprofile_name=Caf\xE9 - LAN\r\n"},
        {"empty", ""},
        {"mark only", "\xEF\xBB\xBF"},
        {"numbers",
         "[Zelta Settings]\r\n#_profiles=0x2\r\nlast_pai=$1\r\n[Profile1]\r\nuse_proxy= 1\r\n"
         "kill_browsers=-0\r\n"},
        {"scrambled 1", Scrambled(1, 3000)},
        {"scrambled 2", Scrambled(2, 3000)},
        {"scrambled 3", Scrambled(3, 3000)},
        {"scrambled 4", Scrambled(4, 3000)},
        {"scrambled 5", Scrambled(5, 3000)},
    };
}

// Differences that are our reader's own rule, by file and key, with the reason.
struct Expected {
    const char* file;
    const char* key;
    const char* reason;
};
const char kQuotesKept[] =
    "a value's quotes are kept: a stored text comes back exactly as it was written, so a profile name that begins "
    "and ends with a quote survives a save and a load; the system drops one pair of matching quotes";
const Expected kChosenDifferences[] = {
    {"quotes", "dq", kQuotesKept},     {"quotes", "sq", kQuotesKept},     {"quotes", "empty", kQuotesKept},
    {"quotes", "spaced", kQuotesKept}, {"scrambled 2", "a", kQuotesKept}, {"scrambled 2", "A", kQuotesKept},
};

std::string SystemValue(const std::string& path, const std::string& section, const std::string& key) {
    std::vector<char> buffer(2048);
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "<none>", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path.c_str());
    return std::string(buffer.data(), length);
}

// The names the system lists, a double-NUL-terminated list: the file's sections, or the keys of one section.
std::vector<std::string> SystemNames(const std::string& path, const std::string* section) {
    std::vector<char> buffer(65536);
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length =
        section ? GetPrivateProfileStringA(section->c_str(), nullptr, "", buffer.data(), size, path.c_str())
                : GetPrivateProfileSectionNamesA(buffer.data(), size, path.c_str());
    std::vector<std::string> names;
    std::string current;
    for (DWORD i = 0; i < length; ++i) {
        if (buffer[i] == '\0') {
            if (!current.empty()) names.push_back(current);
            current.clear();
        } else {
            current += buffer[i];
        }
    }
    if (!current.empty()) names.push_back(current);
    return names;
}

}  // namespace

E2E_SCENARIO(settings_oracle) {
    zelta::platform::Win32FileSystem files;
    zelta::platform::Win32CodePages codePages;
    // The names every file is asked for besides those the system lists: the program's own and some that no
    // file holds.
    const std::vector<std::string> probeSections = {"Zelta Settings", "Profile1", "Profile2", "P", "p", "Q", "R", "",
                                                    "Missing"};
    std::vector<std::string> probeKeys{""};
    std::istringstream words("#_profiles last_pai profile_name IP SM GW use_ip use_proxy kill_browsers proxy_port "
                             "profile_applied k K j m a b c e q r dq sq half inner lone empty spaced mixed long2047 "
                             "long2048 long5000 noequals ;comment stray nokey missing");
    for (std::string word; words >> word;) probeKeys.push_back(word);

    std::set<std::pair<std::string, std::string>> allowed;
    for (const Expected& e : kChosenDifferences) allowed.insert({e.file, e.key});
    std::set<std::pair<std::string, std::string>> seen;

    int compared = 0;
    int chosen = 0;
    int index = 0;
    for (const OracleFile& file : Files()) {
        const std::string path = ctx.appDir + "oracle" + std::to_string(++index) + ".ini";
        SETUP(ctx, e2e::WriteFileBytes(path, file.bytes));
        const zelta::profiles::SettingsDocument ours = zelta::profiles::SettingsFile(files, codePages, path).Read();

        std::set<std::string> sections(probeSections.begin(), probeSections.end());
        for (const std::string& s : SystemNames(path, nullptr)) sections.insert(s);
        for (const std::string& section : sections) {
            std::set<std::string> keys(probeKeys.begin(), probeKeys.end());
            for (const std::string& k : SystemNames(path, &section)) keys.insert(k);
            for (const std::string& key : keys) {
                if (key.empty() || section.empty()) continue;  // the system reads these as "list the names"
                const std::string system = SystemValue(path, section, key);
                const std::string mine = ours.ReadText(section, key, "<none>");
                ++compared;
                if (system == mine) continue;
                if (allowed.count({file.name, key})) {
                    ++chosen;
                    seen.insert({file.name, key});
                    continue;
                }
                e2e::Check(ctx, false,
                           std::string("file \"") + file.name + "\" [" + section + "] " + key + ": system \"" +
                               system.substr(0, 80) + "\" (" + std::to_string(system.size()) + "), ours \"" +
                               mine.substr(0, 80) + "\" (" + std::to_string(mine.size()) + ")");
            }
        }
    }
    std::printf("compared %d values, %d chosen differences\n", compared, chosen);
    CHECK(ctx, compared > 500);
    // A listed difference that no longer shows is a rule that changed: the list must say so.
    for (const Expected& e : kChosenDifferences) {
        e2e::Check(ctx, seen.count({e.file, e.key}) == 1,
                   std::string("listed difference shows: ") + e.file + " " + e.key);
    }
}

#include "companion/ProgramSearch.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace zelta::companion {

namespace {

constexpr const char* kDefaultPathExt = ".COM;.EXE;.BAT;.CMD";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A list separated by ";", entries without surrounding double quotes, empty entries left out.
std::vector<std::string> SplitList(const std::string& list) {
    std::vector<std::string> entries;
    std::string entry;
    auto finish = [&] {
        entry.erase(std::remove(entry.begin(), entry.end(), '"'), entry.end());
        if (!entry.empty()) entries.push_back(entry);
        entry.clear();
    };
    for (char c : list) {
        if (c == ';') {
            finish();
        } else {
            entry += c;
        }
    }
    finish();
    return entries;
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return (last == '\\' || last == '/') ? folder + name : folder + "\\" + name;
}

bool HasExtension(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot != std::string::npos && name.find_first_of("\\/", dot) == std::string::npos;
}

}  // namespace

std::optional<std::string> FindProgram(const std::string& name, const SearchPlaces& places,
                                       const std::function<bool(const std::string&)>& fileExists) {
    if (name.empty()) return std::nullopt;
    const std::vector<std::string> extensions = SplitList(places.pathExt.empty() ? kDefaultPathExt : places.pathExt);
    auto tryIn = [&](const std::string& base) -> std::optional<std::string> {
        if (HasExtension(name) && fileExists(base)) return base;
        for (const std::string& extension : extensions) {
            if (fileExists(base + extension)) return base + extension;
        }
        return std::nullopt;
    };

    // A name with a folder in it is looked for there only.
    const bool hasFolder = name.find_first_of("\\/:") != std::string::npos;
    if (hasFolder) {
        const bool absolute = name.find(':') != std::string::npos || name[0] == '\\' || name[0] == '/';
        return tryIn(absolute ? name : Join(places.currentFolder, name));
    }
    if (auto found = tryIn(Join(places.currentFolder, name))) return found;
    for (const std::string& folder : SplitList(places.path)) {
        if (auto found = tryIn(Join(folder, name))) return found;
    }
    return std::nullopt;
}

bool IsStartableProgram(const std::string& path) {
    const std::string lower = Lower(path);
    auto endsWith = [&](const char* suffix) {
        const std::string s = suffix;
        return lower.size() >= s.size() && lower.compare(lower.size() - s.size(), s.size(), s) == 0;
    };
    return endsWith(".exe") || endsWith(".com");
}

}  // namespace zelta::companion

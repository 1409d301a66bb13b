#pragma once
// A path's folder as text, the way the system reads paths: "\" and "/" both separate, "C:" names a drive.
#include <string>

namespace zelta::platform {

// The folder that holds path, named as a folder on its own: without a closing separator, except a root's ("C:\",
// "\"); "C:" for a name relative to that drive's current folder; empty for a bare name.
inline std::string ParentFolder(const std::string& path) {
    const auto separator = path.find_last_of("\\/:");
    if (separator == std::string::npos) return {};
    const bool root = path[separator] == ':' || separator == 0 || (separator == 2 && path[1] == ':');
    return path.substr(0, root ? separator + 1 : separator);
}

// name inside folder: one backslash between the two, none after an empty folder or one that ends with its own.
inline std::string InFolder(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

}  // namespace zelta::platform

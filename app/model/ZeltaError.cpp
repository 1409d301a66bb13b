#include "app/model/ZeltaError.h"

namespace zelta {

std::string FormatError(const std::string& pattern, const std::string& value) {
    for (const char* placeholder : {"%s", "%d"}) {
        const auto pos = pattern.find(placeholder);
        if (pos != std::string::npos) return pattern.substr(0, pos) + value + pattern.substr(pos + 2);
    }
    return pattern;
}

std::string CannotOpenFileError(const std::string& path, const std::string& reason) {
    return "Cannot open file \"" + path + "\". " + reason;
}

std::string CannotCreateFileError(const std::string& path, const std::string& reason) {
    return "Cannot create file \"" + path + "\". " + reason;
}

std::string SetDataError(const std::string& valueName) { return FormatError("Failed to set data for '%s'", valueName); }

std::string ErrorReportText(const std::string& errorText) {
    if (!errorText.empty() && static_cast<unsigned char>(errorText.back()) > static_cast<unsigned char>('.')) {
        return errorText + ".";
    }
    return errorText;
}

}  // namespace zelta

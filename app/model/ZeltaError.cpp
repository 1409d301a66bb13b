#include "app/model/ZeltaError.h"

namespace zelta {

std::string FormatError(const std::string& pattern, const std::string& value) {
    for (const char* placeholder : {"%s", "%d"}) {
        const auto pos = pattern.find(placeholder);
        if (pos != std::string::npos) return pattern.substr(0, pos) + value + pattern.substr(pos + 2);
    }
    return pattern;
}

std::string ErrorReportText(const std::string& errorText) {
    if (!errorText.empty() && static_cast<unsigned char>(errorText.back()) > static_cast<unsigned char>('.')) {
        return errorText + ".";
    }
    return errorText;
}

}  // namespace zelta

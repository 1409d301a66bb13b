#pragma once
// The one exception type of the program. A failure that ends a handler carries its exact user-facing text;
// the window shell catches it at the handler boundary and shows the general error report.
#include <stdexcept>
#include <string>

namespace zelta {

class ZeltaError : public std::runtime_error {
public:
    explicit ZeltaError(const std::string& text) : std::runtime_error(text) {}
};

// Fills the one "%s" or "%d" of an error template, the way the error texts are written.
std::string FormatError(const std::string& pattern, const std::string& value);

// The general error report shows the text with "." appended when its last character sorts after ".".
std::string ErrorReportText(const std::string& errorText);

}  // namespace zelta

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

// The failures several handlers report in the same words: a file that cannot be read or replaced (reason says why,
// as the system put it), a registry value that cannot be written.
std::string CannotOpenFileError(const std::string& path, const std::string& reason);
std::string CannotCreateFileError(const std::string& path, const std::string& reason);
std::string SetDataError(const std::string& valueName);

// The general error report shows the text with "." appended when its last character sorts after ".".
std::string ErrorReportText(const std::string& errorText);

}  // namespace zelta

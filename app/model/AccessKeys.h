#pragma once
// Alt+letters of the window's captions: a caption marks its letter with "&" ("&IP Address:"), as the system's
// controls draw and answer them; "&&" stands for one "&".
#include <string>

namespace zelta {

// The letter that Alt chooses in the caption, upper-cased; 0 when it marks none.
char AccessKey(const std::string& caption);
// The caption as the user reads it and a screen reader names its field: without the marker and without a closing
// colon ("&IP Address:" reads "IP Address").
std::string ReadableCaption(const std::string& caption);

}  // namespace zelta

#include "app/win32/HandlerBoundary_win32.h"

#include <string>

#include "app/model/AppState.h"
#include "app/model/ZeltaError.h"

namespace zelta::win32 {

void ShowErrorReport(HWND owner, const char* errorText) {
    const std::string text = ErrorReportText(errorText ? errorText : "");
    MessageBoxA(owner, text.c_str(), kProductTitle, MB_OK | MB_ICONERROR);
}

}  // namespace zelta::win32

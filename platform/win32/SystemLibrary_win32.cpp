#include "platform/win32/SystemLibrary_win32.h"

#include <string>

namespace zelta::platform {

SystemLibrary::SystemLibrary(const char* fileName) {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    const std::string path = std::string(folder) + "\\" + fileName;
    module_ = LoadLibraryA(path.c_str());
}

SystemLibrary::~SystemLibrary() {
    if (module_) FreeLibrary(module_);
}

}  // namespace zelta::platform

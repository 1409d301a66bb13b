#include "platform/win32/SystemLibrary_win32.h"

#include <string>

#include "platform/win32/SystemFolder_win32.h"

namespace zelta::platform {

SystemLibrary::SystemLibrary(const char* fileName) {
    const std::string folder = SystemFolder();
    if (folder.empty()) return;
    const std::string path = folder + "\\" + fileName;
    module_ = LoadLibraryA(path.c_str());
}

SystemLibrary::~SystemLibrary() {
    if (module_) FreeLibrary(module_);
}

}  // namespace zelta::platform

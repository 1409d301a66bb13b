#include <windows.h>

#include <utility>

#include "platform/PathText.h"
#include "platform/win32/FileSystem_win32.h"
#include "platform/win32/KernelHandle_win32.h"
#include "platform/win32/SystemErrorText_win32.h"

namespace zelta::platform {

namespace {

// The temporary file of a replacement: deleted on every path unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!kept_) DeleteFileA(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    std::string path_;
    bool kept_ = false;
};

bool Fail(std::string& reason, DWORD code) {
    reason = SystemErrorText(code);
    return false;
}

bool WriteAll(HANDLE file, const std::string& content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const std::size_t remaining = content.size() - written;
        const DWORD chunk = remaining > 0x10000000u ? 0x10000000u : static_cast<DWORD>(remaining);
        DWORD done = 0;
        if (!::WriteFile(file, content.data() + written, chunk, &done, nullptr) || done == 0) return false;
        written += done;
    }
    return true;
}

constexpr ULONGLONG kBusyTargetWaitMs = 3000;
constexpr DWORD kBusyTargetRetryMs = 50;

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path, std::string& reason) {
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        reason = SystemErrorText(GetLastError());
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        reason = SystemErrorText(GetLastError());
        return std::nullopt;
    }
    std::string content;
    content.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[65536];
    for (;;) {
        DWORD done = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &done, nullptr)) {
            reason = SystemErrorText(GetLastError());
            return std::nullopt;
        }
        if (done == 0) break;
        content.append(buffer, done);
    }
    return content;
}

bool Win32FileSystem::ReplaceContents(const std::string& path, const std::string& content, std::string& reason) {
    // Renaming over a read-only file fails on Windows but not everywhere it may run; refuse it here alike.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return Fail(reason, ERROR_ACCESS_DENIED);
    }

    char temporaryName[MAX_PATH + 1] = {};
    // The temporary file goes beside the file it replaces: the current folder for a bare name.
    const std::string folder = ParentFolder(path);
    if (GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "zel", 0, temporaryName) == 0) {
        return Fail(reason, GetLastError());
    }
    TemporaryFile temporary(temporaryName);

    KernelHandle file(CreateFileA(temporary.Path().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Fail(reason, GetLastError());
    if (!WriteAll(file.Get(), content) || !FlushFileBuffers(file.Get())) return Fail(reason, GetLastError());
    if (!file.Close()) return Fail(reason, GetLastError());

    // Another program may hold the target open for a moment (the command interpreter still finishing the previous
    // batch file, a virus scanner): such a replacement is tried again for a short while before it is given up.
    const ULONGLONG deadline = GetTickCount64() + kBusyTargetWaitMs;
    while (!MoveFileExA(temporary.Path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        const bool busy =
            error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
        if (!busy || GetTickCount64() >= deadline) return Fail(reason, error);
        Sleep(kBusyTargetRetryMs);
    }
    temporary.Keep();
    return true;
}

}  // namespace zelta::platform

#pragma once
// A kernel handle (file, process, thread, pipe, job, snapshot) closed exactly once; move-only. Functions that fail
// with INVALID_HANDLE_VALUE and those that fail with nullptr both give an empty handle.
#include <windows.h>

#include <utility>

namespace zelta::platform {

class KernelHandle {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~KernelHandle() { Close(); }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset() { Close(); }
    // False when closing failed, which for a file just written can mean lost data.
    bool Close() { return handle_ == nullptr || CloseHandle(std::exchange(handle_, nullptr)) != FALSE; }

private:
    HANDLE handle_ = nullptr;
};

}  // namespace zelta::platform

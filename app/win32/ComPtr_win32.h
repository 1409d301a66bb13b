#pragma once
// Owns one COM interface pointer and releases it exactly once; neither copied nor moved.
namespace zelta::win32 {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (ptr_) ptr_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** put() { return &ptr_; }
    T* operator->() const { return ptr_; }
    T* get() const { return ptr_; }

private:
    T* ptr_ = nullptr;
};

}  // namespace zelta::win32

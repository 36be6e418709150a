// Owners that close a Win32 handle when they go out of scope.
#pragma once

#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueOwner {
public:
    using Handle = typename Traits::Handle;

    UniqueOwner() = default;
    explicit UniqueOwner(Handle h) : handle_(h) {}
    UniqueOwner(UniqueOwner&& other) noexcept : handle_(other.Release()) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept
    {
        Reset(other.Release());
        return *this;
    }
    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;
    ~UniqueOwner() { Reset(); }

    Handle Get() const { return handle_; }
    bool Valid() const { return handle_ != Traits::Invalid(); }
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle h = Traits::Invalid())
    {
        if (Valid()) Traits::Close(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = Traits::Invalid();
};

// Files report failure as INVALID_HANDLE_VALUE, not as a null handle.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};
struct FontTraits {
    using Handle = HFONT;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};

using UniqueFileHandle = UniqueOwner<FileHandleTraits>;
using UniqueFont = UniqueOwner<FontTraits>;

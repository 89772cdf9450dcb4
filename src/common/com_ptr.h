// A minimal owning COM interface pointer.
#pragma once
#include <unknwn.h>

#include <utility>

namespace brocade {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference on p.
    explicit ComPtr(T *p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr &other) : ComPtr(other.p_) {}
    ComPtr(ComPtr &&other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~ComPtr() { Reset(); }

    ComPtr &operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }

    // Adopts a pointer that already carries a reference.
    static ComPtr Adopt(T *p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }

    void Reset() {
        if (T *p = std::exchange(p_, nullptr)) p->Release();
    }
    T *Get() const { return p_; }
    T *operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // Hands out a new reference, for [out] parameters.
    T *Detach() { return std::exchange(p_, nullptr); }
    T *AddRefed() const {
        if (p_) p_->AddRef();
        return p_;
    }
    // For functions that fill an [out] pointer.
    T **Out() {
        Reset();
        return &p_;
    }

    template <class U>
    ComPtr<U> As(REFIID iid) const {
        ComPtr<U> result;
        if (p_) p_->QueryInterface(iid, reinterpret_cast<void **>(result.Out()));
        return result;
    }

private:
    T *p_ = nullptr;
};

template <class T, class U>
bool SameObject(const ComPtr<T> &a, U *b) {
    return static_cast<IUnknown *>(a.Get()) == static_cast<IUnknown *>(b);
}

}  // namespace brocade

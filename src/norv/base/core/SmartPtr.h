// The owning pointer of every reference-counted engine and game object.
#pragma once

#include <cstddef>
#include <utility>

namespace Norv {

template <class T>
class SmartPtr {
public:
    SmartPtr() = default;
    SmartPtr(std::nullptr_t) {}
    SmartPtr(T* object) : pointer(object) { Acquire(pointer); }
    SmartPtr(SmartPtr const& other) : SmartPtr(other.pointer) {}
    template <class U>
    SmartPtr(SmartPtr<U> const& other) : SmartPtr(other.Get()) {}
    SmartPtr(SmartPtr&& other) noexcept : pointer(std::exchange(other.pointer, nullptr)) {}
    ~SmartPtr() { Drop(pointer); }

    SmartPtr& operator=(SmartPtr const& other)
    {
        Reset(other.pointer);
        return *this;
    }
    SmartPtr& operator=(SmartPtr&& other) noexcept
    {
        if (this != &other)
            Drop(std::exchange(pointer, std::exchange(other.pointer, nullptr)));
        return *this;
    }

    // Takes the new reference before dropping the old one, so resetting to
    // the held object (or to one owned only by the old object) keeps it alive.
    void Reset(T* object = nullptr)
    {
        Acquire(object);
        Drop(std::exchange(pointer, object));
    }
    void Release() { Reset(nullptr); }

    T* Get() const { return pointer; }
    T* operator->() const { return pointer; }
    T& operator*() const { return *pointer; }
    explicit operator bool() const { return pointer != nullptr; }

    friend bool operator==(SmartPtr const& a, SmartPtr const& b) { return a.pointer == b.pointer; }
    friend bool operator!=(SmartPtr const& a, SmartPtr const& b) { return a.pointer != b.pointer; }
    friend bool operator==(SmartPtr const& a, T const* b) { return a.pointer == b; }
    friend bool operator!=(SmartPtr const& a, T const* b) { return a.pointer != b; }
    friend bool operator<(SmartPtr const& a, SmartPtr const& b) { return a.pointer < b.pointer; }

private:
    static void Acquire(T* object)
    {
        if (object)
            object->AddRef();
    }
    static void Drop(T* object)
    {
        if (object)
            object->RemoveRef();
    }

    T* pointer = nullptr;
};

} // namespace Norv

// A weak reference: yields the object while it lives, null afterwards.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"

namespace Norv {

template <class T>
class WeakPtr {
public:
    WeakPtr() = default;
    WeakPtr(T* object) : record(object ? object->GetWeakRef() : nullptr) {}
    WeakPtr(SmartPtr<T> const& object) : WeakPtr(object.Get()) {}

    // The object, or null when it has died or nothing was referenced. Make a
    // SmartPtr of the result to keep the object alive.
    T* Get() const
    {
        WeakRefCounter* target = record ? record->GetTarget() : nullptr;
        return target ? static_cast<T*>(target) : nullptr;
    }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }

    // The shared record, for tests and for the asset dictionary's bookkeeping.
    WeakRefCounter::WeakReference* GetRecord() const { return record.Get(); }

private:
    SmartPtr<WeakRefCounter::WeakReference> record;
};

} // namespace Norv

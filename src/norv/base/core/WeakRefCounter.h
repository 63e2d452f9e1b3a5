// Second base of objects that can be weakly referenced (caches, entities).
#pragma once

#include "norv/base/core/RefCounter.h"

namespace Norv {

class WeakRefCounter {
public:
    // The record that weak pointers share. It outlives the object; whichever
    // of the two dies first clears the other's pointer.
    class WeakReference : public RefCounter {
    public:
        explicit WeakReference(WeakRefCounter* object) : target(object) {}
        ~WeakReference() override
        {
            if (target)
                target->weakRef = nullptr;
        }
        WeakRefCounter* GetTarget() const { return target; }

    private:
        friend class WeakRefCounter;
        WeakRefCounter* target;
    };

    WeakRefCounter() = default;
    // A copy is a new object: weak pointers to the original stay with it.
    WeakRefCounter(WeakRefCounter const&) {}
    WeakRefCounter& operator=(WeakRefCounter const&) { return *this; }
    virtual ~WeakRefCounter()
    {
        if (weakRef)
            weakRef->target = nullptr;
    }

    // The shared record, made on first use; adds no reference of its own.
    WeakReference* GetWeakRef() const
    {
        if (!weakRef)
            weakRef = new WeakReference(const_cast<WeakRefCounter*>(this));
        return weakRef;
    }

private:
    mutable WeakReference* weakRef = nullptr;
};

} // namespace Norv

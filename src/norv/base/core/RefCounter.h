// Intrusive reference count shared by every long-lived engine object.
#pragma once

namespace Norv {

// The object deletes itself when its count of strong references drops below
// one. Counts are plain integers: an object is referenced from one thread at
// a time.
class RefCounter {
public:
    RefCounter() = default;
    // A copy is a new object with its own, fresh count.
    RefCounter(RefCounter const&) {}
    RefCounter& operator=(RefCounter const&) { return *this; }
    virtual ~RefCounter() = default;

    void AddRef() { ++count; }
    void RemoveRef()
    {
        if (--count < 1)
            delete this;
    }
    int GetRefCount() const { return count; }

private:
    int count = 0;
};

} // namespace Norv

// The framework's growable array of untyped pointers; it never owns what
// the pointers point to.
#pragma once

#include <vector>

class FGPointerList {
public:
    // A default list starts with room for this many pointers...
    static constexpr int kDefaultCapacity = 16;
    // ...and grows by this many whenever it is full.
    static constexpr int kDefaultStep = 64;

    FGPointerList() : FGPointerList(kDefaultCapacity, kDefaultStep) {}
    FGPointerList(int capacity, int step) { init(capacity, step); }
    virtual ~FGPointerList() = default;

    // Empties the list and sets its room and growth step anew.
    void init(int capacity, int step);

    // Appends, growing by one step when full; returns the new index.
    int addPointer(void* pointer);
    // Both close the gap and keep the order; false when there is nothing to remove.
    bool removePointer(void* pointer);
    bool removePointer(int index);
    // The first index holding the pointer, or -1.
    int getPointerIdx(void* pointer) const;
    // Null outside the list.
    void* getPointer(int index) const;
    int getNumPointers() const { return count; }
    int getCapacity() const { return static_cast<int>(slots.size()); }
    void clear() { count = 0; }
    // Grows by one step when the room is below n.
    void ensureSize(int n);

    // Deletes every object pointed to as a T and empties the list.
    template <class T>
    void deleteAllPointers()
    {
        for (int i = 0; i < count; ++i)
            delete static_cast<T*>(slots[i]);
        clear();
    }

private:
    std::vector<void*> slots;
    int count = 0;
    int step = kDefaultStep;
};

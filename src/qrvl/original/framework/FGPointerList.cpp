// The framework's pointer list.
#include "qrvl/original/framework/FGPointerList.h"

#include <algorithm>

void FGPointerList::init(int capacity, int growthStep)
{
    slots.assign(static_cast<size_t>(std::max(capacity, 0)), nullptr);
    step = std::max(growthStep, 1);
    count = 0;
}

int FGPointerList::addPointer(void* pointer)
{
    ensureSize(count + 1);
    slots[static_cast<size_t>(count)] = pointer;
    return count++;
}

bool FGPointerList::removePointer(void* pointer)
{
    return removePointer(getPointerIdx(pointer));
}

bool FGPointerList::removePointer(int index)
{
    if (index < 0 || index >= count)
        return false;
    std::copy(slots.begin() + index + 1, slots.begin() + count, slots.begin() + index);
    --count;
    return true;
}

int FGPointerList::getPointerIdx(void* pointer) const
{
    for (int i = 0; i < count; ++i) {
        if (slots[static_cast<size_t>(i)] == pointer)
            return i;
    }
    return -1;
}

void* FGPointerList::getPointer(int index) const
{
    return index >= 0 && index < count ? slots[static_cast<size_t>(index)] : nullptr;
}

void FGPointerList::ensureSize(int n)
{
    if (getCapacity() < n)
        slots.resize(slots.size() + static_cast<size_t>(step), nullptr);
}

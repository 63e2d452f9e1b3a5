// Deleting a singly linked list of records that link through `next`.
#pragma once

template <typename T>
void deleteLinkedList(T*& head)
{
    while (head) {
        T* item = head;
        head = static_cast<T*>(item->next);
        delete item;
    }
}

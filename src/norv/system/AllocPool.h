// The pool allocator: runs of equal blocks that serve small requests before
// the general heap does.
#pragma once

#include <atomic>
#include <cstddef>
#include <mutex>

namespace Norv {

class AllocPool {
public:
    // A run of equal blocks taken from the general heap, with a free list
    // threaded through the free blocks (each holds the next one's address).
    class AllocationPool {
    public:
        AllocationPool(std::size_t blockSize, std::size_t blockCount, void* storage);

        // The free head, or null when every block is out; neither locks.
        void* Alloc();
        void Free(void* block);
        // True for an address from the first block's start to the last one's.
        bool Contains(void const* address) const;

        std::size_t GetBlockSize() const { return blockSize; }
        // Use is not tracked: both answer 0.
        unsigned GetUsage() const { return 0; }
        std::size_t GetUsedMemory() const { return 0; }

    private:
        friend class AllocPool;

        std::size_t blockSize;
        std::size_t blockCount;
        std::size_t totalBytes;
        char* storage;
        void* freeHead;
        // Pools are only ever added, so readers walk the list without the lock.
        std::atomic<AllocationPool*> next{nullptr};
    };

    // The one pool allocator while it exists.
    static std::atomic<AllocPool*> s_instance;

    AllocPool();
    ~AllocPool();
    AllocPool(AllocPool const&) = delete;
    AllocPool& operator=(AllocPool const&) = delete;

    // Adds a pool of `count` blocks for requests below `blockSize` bytes,
    // kept in order of block size; false when there are no blocks or the
    // heap cannot give the storage.
    bool _AddPool(unsigned int blockSize, unsigned int count);
    // A block from the first pool whose blocks are larger than `bytes`; null
    // when none is, or when that pool is exhausted.
    void* Alloc(std::size_t bytes);
    // Takes a block back; false when no pool holds the address.
    bool Free(void* block);
    // The pool that holds the address, or null.
    AllocationPool* IsValid(void const* address) const;

private:
    std::atomic<AllocationPool*> firstPool{nullptr};
    std::mutex mutex;  // guards the free lists and the insertion of pools
};

} // namespace Norv

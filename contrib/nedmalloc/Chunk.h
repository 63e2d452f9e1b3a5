// The boundary tags every block of an mspace carries.
#pragma once

#include <cstddef>
#include <cstdint>

namespace NedMalloc {

// Blocks are 16-byte aligned, so chunk sizes are multiples of 16 and the low
// four bits of a chunk's head are free for flags.
constexpr std::size_t Alignment = 16;
constexpr std::size_t PrevInUse = 1;  // the chunk before this one is in use
constexpr std::size_t InUse = 2;      // this chunk is handed out
constexpr std::size_t Mapped = 4;     // this chunk is a mapping of its own
constexpr std::size_t FlagBits = Alignment - 1;

// A chunk starts with two words; the block handed out follows them. The
// word after the chunk (the next chunk's prevFoot) is the chunk's footer:
// its size while it is free, its owner's address XOR the magic while in use.
struct Chunk {
    std::size_t prevFoot;
    // Size and flags. A neighbour's free changes the PrevInUse bit under the
    // mspace's lock while the owner of a live block may read its size without
    // it, so the word is only touched atomically (relaxed: plain moves on x86).
    std::size_t head;
    // Only free chunks: their bin's list.
    Chunk* next;
    Chunk* prev;

    std::size_t Head() const { return __atomic_load_n(&head, __ATOMIC_RELAXED); }
    void SetHead(std::size_t value) { __atomic_store_n(&head, value, __ATOMIC_RELAXED); }
    std::size_t Flags(std::size_t mask) const { return Head() & mask; }
    void AddFlags(std::size_t flags) { SetHead(Head() | flags); }
    void ClearFlags(std::size_t flags) { SetHead(Head() & ~flags); }

    std::size_t Size() const { return Head() & ~FlagBits; }
    bool IsInUse() const { return Flags(InUse) != 0; }
    bool IsPrevInUse() const { return Flags(PrevInUse) != 0; }
    bool IsMapped() const { return Flags(Mapped) != 0; }
    Chunk* Next() const { return At(Size()); }
    Chunk* At(std::size_t offset) const
    {
        return reinterpret_cast<Chunk*>(reinterpret_cast<std::uintptr_t>(this) + offset);
    }
    void* Memory() { return &next; }
    static Chunk* Of(void const* memory)
    {
        return reinterpret_cast<Chunk*>(reinterpret_cast<std::uintptr_t>(memory) - Overhead);
    }

    // The two words in front of a block plus the footer behind it.
    static constexpr std::size_t Overhead = 2 * sizeof(std::size_t);
};

// The smallest chunk that can hold a free list's links.
constexpr std::size_t MinChunk = sizeof(Chunk);
static_assert(MinChunk == 32 && MinChunk % Alignment == 0, "chunks keep 16-byte alignment");

// Requests above this fail: it leaves room for alignment and mapping
// overheads without overflow, far beyond any memory a system can give.
constexpr std::size_t MaxRequest = SIZE_MAX / 4;

// The chunk size that serves a request (the request must not exceed MaxRequest).
inline std::size_t ChunkSizeFor(std::size_t request)
{
    std::size_t const size = (request + Chunk::Overhead + FlagBits) & ~FlagBits;
    return size < MinChunk ? MinChunk : size;
}

// Bytes of a block the caller may use.
inline std::size_t UsableSizeOf(Chunk const* chunk)
{
    return chunk->Size() - Chunk::Overhead;
}

} // namespace NedMalloc

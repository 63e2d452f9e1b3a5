// One independent heap: segments mapped from the system, binned free chunks,
// owner footers and its own lock.
#include "contrib/nedmalloc/MSpace.h"

#include "contrib/nedmalloc/HeapParams.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <sys/mman.h>

namespace NedMalloc {

namespace {

char* MapMemory(std::size_t size)
{
    void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return memory == MAP_FAILED ? nullptr : static_cast<char*>(memory);
}

Chunk* ChunkAt(void* address)
{
    return static_cast<Chunk*>(address);
}

} // namespace

MSpace* MSpace::Create(std::size_t capacity, void* owner)
{
    if (capacity > MaxRequest)
        return nullptr;
    std::size_t const granularity = Params().granularity;
    std::size_t const overhead = RoundUp(sizeof(MSpace), Alignment) + Fencepost;
    std::size_t const size = RoundUp(capacity == 0 ? granularity : capacity + overhead, granularity);
    char* const base = MapMemory(size);
    return base ? new (base) MSpace(base, size, owner) : nullptr;
}

MSpace::MSpace(char* base, std::size_t size, void* owner)
    : magic(Params().magic), owner(owner), footprint(size), maxFootprint(size)
{
    firstSegment = Segment{base, size, nullptr};
    InsertFree(StartSegment(&firstSegment));
}

void MSpace::Destroy(MSpace* space)
{
    while (MappedLink* link = space->mapped) {
        space->mapped = link->next;
        Chunk const* chunk = ChunkAt(reinterpret_cast<char*>(link) + MappedHeader);
        munmap(link, chunk->Size() + MappedHeader + Fencepost);
    }
    for (Segment* segment = space->firstSegment.next; segment;) {
        Segment* const next = segment->next;
        munmap(segment->base, segment->size);
        segment = next;
    }
    char* const base = space->firstSegment.base;
    std::size_t const size = space->firstSegment.size;
    space->~MSpace();
    munmap(base, size);
}

MSpace* MSpace::OwnerOf(void const* memory)
{
    HeapParams const& params = Params();
    CheckHeap((reinterpret_cast<std::uintptr_t>(memory) & FlagBits) == 0, "misaligned block", memory);
    Chunk const* chunk = Chunk::Of(memory);
    CheckHeap(chunk->IsInUse(), "block not in use", memory);
    auto* const space = reinterpret_cast<MSpace*>(chunk->Next()->prevFoot ^ params.magic);
    CheckHeap(space && (reinterpret_cast<std::uintptr_t>(space) & FlagBits) == 0 && space->magic == params.magic,
        "block footer names no heap", memory);
    return space;
}

std::size_t MSpace::UsableSize(void const* memory)
{
    OwnerOf(memory);
    return UsableSizeOf(Chunk::Of(memory));
}

unsigned MSpace::BinIndex(std::size_t size)
{
    if (size < LargeChunkStart)
        return static_cast<unsigned>(size / Alignment);
    unsigned const log = 63 - static_cast<unsigned>(__builtin_clzl(size));
    return SmallBinCount + (log - 8) * 4 + static_cast<unsigned>((size >> (log - 2)) & 3);
}

void MSpace::InsertFree(Chunk* chunk)
{
    unsigned const index = BinIndex(chunk->Size());
    chunk->prev = nullptr;
    chunk->next = bins[index];
    if (chunk->next)
        chunk->next->prev = chunk;
    bins[index] = chunk;
    binMap[index / 64] |= std::uint64_t(1) << (index % 64);
    freeBytes += chunk->Size();
}

void MSpace::UnlinkFree(Chunk* chunk)
{
    if (chunk->prev) {
        chunk->prev->next = chunk->next;
    } else {
        unsigned const index = BinIndex(chunk->Size());
        bins[index] = chunk->next;
        if (!bins[index])
            binMap[index / 64] &= ~(std::uint64_t(1) << (index % 64));
    }
    if (chunk->next)
        chunk->next->prev = chunk->prev;
    freeBytes -= chunk->Size();
}

unsigned MSpace::NextUsedBin(unsigned from) const
{
    for (unsigned word = from / 64; word < BinMapWords; ++word) {
        std::uint64_t bits = binMap[word];
        if (word == from / 64)
            bits &= ~std::uint64_t(0) << (from % 64);
        if (bits)
            return word * 64 + static_cast<unsigned>(__builtin_ctzll(bits));
    }
    return BinCount;
}

// Exact bins answer at once; in a large bin the best fit is sought; failing
// both, any chunk of a larger bin is big enough.
Chunk* MSpace::FindFit(std::size_t size)
{
    unsigned const index = BinIndex(size);
    if (index < SmallBinCount) {
        if (bins[index])
            return bins[index];
    } else {
        Chunk* best = nullptr;
        for (Chunk* chunk = bins[index]; chunk; chunk = chunk->next) {
            if (chunk->Size() >= size && (!best || chunk->Size() < best->Size()))
                best = chunk;
        }
        if (best)
            return best;
    }
    unsigned const larger = NextUsedBin(index + 1);
    return larger < BinCount ? bins[larger] : nullptr;
}

// Lays one free chunk over the whole segment and answers it.
Chunk* MSpace::StartSegment(Segment* segment)
{
    Chunk* const chunk = SegmentStart(segment);
    char* const fenceAt = segment->base + segment->size - Fencepost;
    std::size_t const chunkSize = static_cast<std::size_t>(fenceAt - reinterpret_cast<char*>(chunk));
    // The first chunk never merges backwards; the fencepost never merges.
    chunk->SetHead(chunkSize | PrevInUse);
    Chunk* const fence = ChunkAt(fenceAt);
    fence->prevFoot = chunkSize;
    fence->SetHead(InUse);
    return chunk;
}

bool MSpace::AddSegment(std::size_t chunkSize)
{
    std::size_t const size = RoundUp(chunkSize + SegmentHeader + Fencepost, Params().granularity);
    char* const base = MapMemory(size);
    if (!base)
        return false;
    auto* const segment = new (base) Segment{base, size, firstSegment.next};
    firstSegment.next = segment;
    InsertFree(StartSegment(segment));
    footprint += size;
    maxFootprint = std::max(maxFootprint, footprint);
    return true;
}

Chunk* MSpace::SegmentStart(Segment const* segment) const
{
    // The first segment shares its mapping with the mspace itself.
    std::size_t const header = segment == &firstSegment ? RoundUp(sizeof(MSpace), Alignment) : SegmentHeader;
    return ChunkAt(segment->base + header);
}

bool MSpace::IsWhollyFree(Segment const* segment) const
{
    Chunk const* start = SegmentStart(segment);
    return !start->IsInUse() && start->Next()->Size() == 0;
}

void MSpace::ReleaseSegment(Segment* segment)
{
    UnlinkFree(SegmentStart(segment));
    Segment* before = &firstSegment;
    while (before->next != segment)
        before = before->next;
    before->next = segment->next;
    footprint -= segment->size;
    munmap(segment->base, segment->size);
}

void MSpace::SetFooter(Chunk* chunk) const
{
    chunk->Next()->prevFoot = reinterpret_cast<std::uintptr_t>(this) ^ magic;
}

void* MSpace::AllocateChunk(std::size_t size)
{
    Chunk* chunk = FindFit(size);
    if (!chunk) {
        if (!AddSegment(size))
            return nullptr;
        chunk = FindFit(size);
    }
    UnlinkFree(chunk);
    std::size_t const available = chunk->Size();
    if (available - size >= MinChunk) {
        chunk->SetHead(size | InUse | chunk->Flags(PrevInUse));
        Chunk* const rest = chunk->At(size);
        rest->SetHead((available - size) | PrevInUse);
        rest->Next()->prevFoot = available - size;
        InsertFree(rest);
    } else {
        chunk->AddFlags(InUse);
        chunk->Next()->AddFlags(PrevInUse);
    }
    SetFooter(chunk);
    return chunk->Memory();
}

void* MSpace::AllocateMapped(std::size_t size)
{
    std::size_t const length = RoundUp(size + MappedHeader + Fencepost, Params().pageSize);
    char* const base = MapMemory(length);
    if (!base)
        return nullptr;
    auto* const link = new (base) MappedLink{nullptr, mapped};
    if (mapped)
        mapped->prev = link;
    mapped = link;
    Chunk* const chunk = ChunkAt(base + MappedHeader);
    chunk->prevFoot = 0;
    chunk->SetHead((length - MappedHeader - Fencepost) | InUse | PrevInUse | Mapped);
    chunk->Next()->SetHead(InUse | PrevInUse);
    SetFooter(chunk);
    footprint += length;
    maxFootprint = std::max(maxFootprint, footprint);
    return chunk->Memory();
}

void* MSpace::Malloc(std::size_t bytes)
{
    if (bytes > MaxRequest)
        return nullptr;
    ScopedLock guard(lock);
    std::size_t const size = ChunkSizeFor(bytes);
    return bytes >= Params().mmapThreshold ? AllocateMapped(size) : AllocateChunk(size);
}

void* MSpace::Calloc(std::size_t bytes)
{
    void* const memory = Malloc(bytes);
    // A fresh mapping is zero already.
    if (memory && !Chunk::Of(memory)->IsMapped())
        std::memset(memory, 0, bytes);
    return memory;
}

void MSpace::FreeChunk(Chunk* chunk)
{
    std::size_t size = chunk->Size();
    Chunk* next = chunk->Next();
    if (!chunk->IsPrevInUse()) {
        Chunk* const prev = ChunkAt(reinterpret_cast<char*>(chunk) - chunk->prevFoot);
        UnlinkFree(prev);
        size += prev->Size();
        chunk = prev;
    }
    if (!next->IsInUse()) {
        UnlinkFree(next);
        size += next->Size();
        next = next->Next();
    }
    chunk->SetHead(size | PrevInUse);
    next->prevFoot = size;
    next->ClearFlags(PrevInUse);
    InsertFree(chunk);
    if (freeBytes > Params().trimThreshold && next->Size() == 0) {
        for (Segment* segment = firstSegment.next; segment; segment = segment->next) {
            if (SegmentStart(segment) == chunk) {
                ReleaseSegment(segment);
                break;
            }
        }
    }
}

void MSpace::FreeMapped(Chunk* chunk)
{
    auto* const link = reinterpret_cast<MappedLink*>(reinterpret_cast<char*>(chunk) - MappedHeader);
    if (link->prev)
        link->prev->next = link->next;
    else
        mapped = link->next;
    if (link->next)
        link->next->prev = link->prev;
    std::size_t const length = chunk->Size() + MappedHeader + Fencepost;
    footprint -= length;
    munmap(link, length);
}

void MSpace::Free(void* memory)
{
    Chunk* const chunk = Chunk::Of(memory);
    ScopedLock guard(lock);
    if (chunk->IsMapped())
        FreeMapped(chunk);
    else
        FreeChunk(chunk);
}

// Gives the part of an in-use chunk beyond `size` back, when it can make a chunk.
void MSpace::SplitOffTail(Chunk* chunk, std::size_t size)
{
    std::size_t const available = chunk->Size();
    if (available - size >= MinChunk) {
        chunk->SetHead(size | chunk->Flags(FlagBits));
        Chunk* const rest = chunk->At(size);
        rest->SetHead((available - size) | InUse | PrevInUse);
        FreeChunk(rest);
    }
    SetFooter(chunk);
}

void* MSpace::MoveBlock(void* memory, std::size_t bytes)
{
    void* const fresh = Malloc(bytes);
    if (!fresh)
        return nullptr;
    std::memcpy(fresh, memory, std::min(UsableSizeOf(Chunk::Of(memory)), bytes));
    Free(memory);
    return fresh;
}

void* MSpace::ReallocMapped(Chunk* chunk, std::size_t bytes)
{
    if (bytes < Params().mmapThreshold)
        return MoveBlock(chunk->Memory(), bytes);
    std::size_t const oldLength = chunk->Size() + MappedHeader + Fencepost;
    std::size_t const length = RoundUp(ChunkSizeFor(bytes) + MappedHeader + Fencepost, Params().pageSize);
    if (length == oldLength)
        return chunk->Memory();
    void* const moved = mremap(reinterpret_cast<char*>(chunk) - MappedHeader, oldLength, length, MREMAP_MAYMOVE);
    if (moved == MAP_FAILED)
        return nullptr;
    auto* const link = static_cast<MappedLink*>(moved);
    if (link->prev)
        link->prev->next = link;
    else
        mapped = link;
    if (link->next)
        link->next->prev = link;
    chunk = ChunkAt(static_cast<char*>(moved) + MappedHeader);
    chunk->SetHead((length - MappedHeader - Fencepost) | InUse | PrevInUse | Mapped);
    chunk->Next()->SetHead(InUse | PrevInUse);
    SetFooter(chunk);
    footprint = footprint - oldLength + length;
    maxFootprint = std::max(maxFootprint, footprint);
    return chunk->Memory();
}

void* MSpace::Realloc(void* memory, std::size_t bytes)
{
    if (bytes > MaxRequest)
        return nullptr;
    ScopedLock guard(lock);
    Chunk* const chunk = Chunk::Of(memory);
    if (chunk->IsMapped())
        return ReallocMapped(chunk, bytes);
    std::size_t const size = ChunkSizeFor(bytes);
    if (size <= chunk->Size()) {
        SplitOffTail(chunk, size);
        return memory;
    }
    Chunk* const next = chunk->Next();
    if (!next->IsInUse() && chunk->Size() + next->Size() >= size) {
        UnlinkFree(next);
        chunk->SetHead((chunk->Size() + next->Size()) | chunk->Flags(FlagBits));
        chunk->Next()->AddFlags(PrevInUse);
        SplitOffTail(chunk, size);
        return memory;
    }
    return MoveBlock(memory, bytes);
}

// Takes a chunk with room for the alignment, frees the part in front of the
// first aligned block that can stand as a chunk of its own, and the tail.
void* MSpace::Memalign(std::size_t alignment, std::size_t bytes)
{
    if (alignment <= Alignment)
        return Malloc(bytes);
    if (alignment > MaxRequest || bytes > MaxRequest)
        return nullptr;
    std::size_t power = Alignment * 2;
    while (power < alignment)
        power <<= 1;
    std::size_t const size = ChunkSizeFor(bytes);
    ScopedLock guard(lock);
    void* const raw = AllocateChunk(size + power + MinChunk);
    if (!raw)
        return nullptr;
    Chunk* chunk = Chunk::Of(raw);
    std::uintptr_t const address = reinterpret_cast<std::uintptr_t>(raw);
    if (address % power != 0) {
        std::uintptr_t aligned = RoundUp(address, power);
        if (aligned - address < MinChunk)
            aligned += power;
        std::size_t const lead = aligned - address;
        Chunk* const moved = chunk->At(lead);
        moved->SetHead((chunk->Size() - lead) | InUse | PrevInUse);
        SetFooter(moved);
        chunk->SetHead(lead | InUse | chunk->Flags(PrevInUse));
        FreeChunk(chunk);
        chunk = moved;
    }
    SplitOffTail(chunk, size);
    return chunk->Memory();
}

bool MSpace::IndependentAlloc(std::size_t count, std::size_t const* sizes, void** blocks, bool zero)
{
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (sizes[i] > MaxRequest)
            return false;
        total += ChunkSizeFor(sizes[i]);
        if (total > MaxRequest)
            return false;
    }
    if (count == 0)
        return true;
    ScopedLock guard(lock);
    void* const region = AllocateChunk(total);
    if (!region)
        return false;
    Chunk* chunk = Chunk::Of(region);
    if (zero)
        std::memset(region, 0, UsableSizeOf(chunk));
    // The last block takes what the region has beyond the total.
    std::size_t remaining = chunk->Size();
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t const piece = i + 1 == count ? remaining : ChunkSizeFor(sizes[i]);
        chunk->SetHead(piece | InUse | (i == 0 ? chunk->Flags(PrevInUse) : PrevInUse));
        SetFooter(chunk);
        blocks[i] = chunk->Memory();
        remaining -= piece;
        chunk = chunk->At(piece);
    }
    return true;
}

bool MSpace::Trim(std::size_t pad)
{
    ScopedLock guard(lock);
    bool released = false;
    for (Segment* segment = firstSegment.next; segment;) {
        Segment* const next = segment->next;
        if (IsWhollyFree(segment) && freeBytes - SegmentStart(segment)->Size() >= pad) {
            ReleaseSegment(segment);
            released = true;
        }
        segment = next;
    }
    return released;
}

std::size_t MSpace::Footprint()
{
    ScopedLock guard(lock);
    return footprint;
}

std::size_t MSpace::BytesInUse() const
{
    std::size_t bytes = 0;
    for (Segment const* segment = &firstSegment; segment; segment = segment->next) {
        for (Chunk const* chunk = SegmentStart(segment); chunk->Size() != 0; chunk = chunk->Next()) {
            if (chunk->IsInUse())
                bytes += chunk->Size();
        }
    }
    for (MappedLink* link = mapped; link; link = link->next)
        bytes += ChunkAt(reinterpret_cast<char*>(link) + MappedHeader)->Size();
    return bytes;
}

void MSpace::PrintStats()
{
    ScopedLock guard(lock);
    std::fprintf(stderr, "max system bytes = %10lu\n", static_cast<unsigned long>(maxFootprint));
    std::fprintf(stderr, "system bytes     = %10lu\n", static_cast<unsigned long>(footprint));
    std::fprintf(stderr, "in use bytes     = %10lu\n", static_cast<unsigned long>(BytesInUse()));
}

} // namespace NedMalloc

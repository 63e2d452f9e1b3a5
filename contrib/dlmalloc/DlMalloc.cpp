#include "contrib/dlmalloc/DlMalloc.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kPageSize = 4096;
constexpr size_t kDefaultGranularity = 0x10000;
constexpr uint32_t kMagic = 0x58585858;
// Non-contiguous segments, no locking, no memory mapping.
constexpr unsigned kDefaultFlags = 4;

// Every block is aligned for any type (x86-64's max_align_t).
constexpr size_t kAlignment = 16;
// Chunk flags, kept in the low bits of the size.
constexpr size_t kInUse = 1;
constexpr size_t kPrevInUse = 2;
constexpr size_t kFlagMask = kAlignment - 1;
// Requests beyond this would overflow the size arithmetic.
constexpr size_t kMaxRequest = SIZE_MAX / 4;
// Sizes below this have a bin each.
constexpr size_t kSmallLimit = 1024;

bool IsPowerOfTwo(size_t value)
{
    return value != 0 && (value & (value - 1)) == 0;
}

} // namespace

void* const DlMalloc::kMorecoreFailure = reinterpret_cast<void*>(~uintptr_t(0));

// A run of the block: its size and flags, then either the caller's bytes or,
// while free, the free-list links. The size of a free chunk is repeated at
// the start of the chunk after it, so freeing can merge backwards.
struct DlMalloc::Chunk {
    size_t prevSize; // size of the chunk before, valid while that one is free
    size_t head;     // size | kInUse | kPrevInUse
    Chunk* next;
    Chunk* prev;

    static constexpr size_t kHeader = 2 * sizeof(size_t);
    static constexpr size_t kMinimum = 4 * sizeof(size_t);
    static_assert(kHeader % kAlignment == 0, "payloads stay aligned");

    size_t Size() const { return head & ~kFlagMask; }
    Chunk* At(size_t offset) { return reinterpret_cast<Chunk*>(reinterpret_cast<unsigned char*>(this) + offset); }
    Chunk* After() { return At(Size()); }
    Chunk* Before() { return reinterpret_cast<Chunk*>(reinterpret_cast<unsigned char*>(this) - prevSize); }
    void* Payload() { return At(kHeader); }
    static Chunk* Of(void const* payload)
    {
        return reinterpret_cast<Chunk*>(const_cast<unsigned char*>(static_cast<unsigned char const*>(payload)) - kHeader);
    }
    // The chunk size that holds `bytes`; 0 when the request is too large.
    static size_t Needed(size_t bytes)
    {
        if (bytes > kMaxRequest)
            return 0;
        size_t const size = (bytes + kHeader + kFlagMask) & ~kFlagMask;
        return size < kMinimum ? kMinimum : size;
    }
};

DlMalloc::DlMalloc(void* base, int size)
    : base(static_cast<unsigned char*>(base))
    , size(size)
{
}

DlMalloc::~DlMalloc()
{
    base = nullptr;
    handedOutEnd = nullptr;
}

void DlMalloc::SetUpParameters()
{
    if (parameters.magic != 0)
        return;
    parameters.pageSize = kPageSize;
    parameters.granularity = kDefaultGranularity;
    parameters.mmapThreshold = SIZE_MAX;
    parameters.trimThreshold = SIZE_MAX;
    parameters.defaultFlags = kDefaultFlags;
    parameters.magic = kMagic;
}

void* DlMalloc::NorvMorecore(int increment)
{
    if (increment == 0)
        return handedOutEnd;
    if (increment < 0 || handedOutEnd || !base || size <= 0)
        return kMorecoreFailure;
    uintptr_t const start = (reinterpret_cast<uintptr_t>(base) + kPageSize - 1) & ~(kPageSize - 1);
    uintptr_t const end = (reinterpret_cast<uintptr_t>(base) + static_cast<size_t>(size)) & ~(kPageSize - 1);
    // A block without a whole page gives nothing.
    handedOutEnd = reinterpret_cast<unsigned char*>(end > start ? end : start);
    return reinterpret_cast<void*>(start);
}

bool DlMalloc::EnsureStarted()
{
    if (started)
        return footprint > 0;
    started = true;
    SetUpParameters();
    void* const got = NorvMorecore(static_cast<int>(parameters.granularity));
    if (got == kMorecoreFailure)
        return false;
    unsigned char* const start = static_cast<unsigned char*>(got);
    unsigned char* const end = static_cast<unsigned char*>(NorvMorecore(0));
    if (end - start < static_cast<ptrdiff_t>(Chunk::kMinimum + Chunk::kHeader))
        return false;
    footprint = static_cast<size_t>(end - start);

    // One free chunk spans the block, closed by a header that stays in use.
    Chunk* const first = reinterpret_cast<Chunk*>(start);
    Chunk* const fence = reinterpret_cast<Chunk*>(end - Chunk::kHeader);
    first->head = static_cast<size_t>(reinterpret_cast<unsigned char*>(fence) - start) | kPrevInUse;
    fence->prevSize = first->Size();
    fence->head = kInUse;
    Insert(first);
    return true;
}

int DlMalloc::BinOf(size_t chunkSize)
{
    if (chunkSize < kSmallLimit)
        return static_cast<int>(chunkSize / kAlignment);
    int const log2 = 63 - __builtin_clzll(chunkSize);
    int const bin = static_cast<int>(kSmallLimit / kAlignment) + log2 - 10;
    return bin < kBinCount ? bin : kBinCount - 1;
}

int DlMalloc::NextNonEmptyBin(int from) const
{
    for (int word = from / 64; word < kBinCount / 64; ++word) {
        uint64_t bits = binMap[word];
        if (word == from / 64)
            bits &= ~uint64_t(0) << (from % 64);
        if (bits)
            return word * 64 + __builtin_ctzll(bits);
    }
    return -1;
}

void DlMalloc::Insert(Chunk* chunk)
{
    int const bin = BinOf(chunk->Size());
    chunk->prev = nullptr;
    chunk->next = bins[bin];
    if (chunk->next)
        chunk->next->prev = chunk;
    bins[bin] = chunk;
    binMap[bin / 64] |= uint64_t(1) << (bin % 64);
}

void DlMalloc::Unlink(Chunk* chunk)
{
    int const bin = BinOf(chunk->Size());
    if (chunk->prev)
        chunk->prev->next = chunk->next;
    else
        bins[bin] = chunk->next;
    if (chunk->next)
        chunk->next->prev = chunk->prev;
    if (!bins[bin])
        binMap[bin / 64] &= ~(uint64_t(1) << (bin % 64));
}

DlMalloc::Chunk* DlMalloc::TakeFit(size_t chunkSize)
{
    // The request's own bin may hold smaller chunks; every later bin holds
    // only larger ones.
    int const bin = BinOf(chunkSize);
    for (Chunk* chunk = bins[bin]; chunk; chunk = chunk->next) {
        if (chunk->Size() >= chunkSize) {
            Unlink(chunk);
            return chunk;
        }
    }
    int const larger = bin + 1 < kBinCount ? NextNonEmptyBin(bin + 1) : -1;
    if (larger < 0)
        return nullptr;
    Chunk* const chunk = bins[larger];
    Unlink(chunk);
    return chunk;
}

void DlMalloc::Carve(Chunk* chunk, size_t chunkSize)
{
    chunk->head |= kInUse;
    chunk->After()->head |= kPrevInUse;
    inUse += chunk->Size();
    ShrinkTo(chunk, chunkSize);
}

void DlMalloc::ShrinkTo(Chunk* chunk, size_t chunkSize)
{
    size_t const spare = chunk->Size() - chunkSize;
    if (spare < Chunk::kMinimum)
        return;
    chunk->head = chunkSize | (chunk->head & kFlagMask);
    Chunk* const rest = chunk->After();
    rest->head = spare | kPrevInUse;
    inUse -= spare;
    Release(rest);
}

void DlMalloc::Release(Chunk* chunk)
{
    // Neighbours that are free merge in, so no two free chunks ever touch.
    size_t merged = chunk->Size();
    if (!(chunk->head & kPrevInUse)) {
        chunk = chunk->Before();
        Unlink(chunk);
        merged += chunk->Size();
    }
    Chunk* const next = chunk->At(merged);
    if (!(next->head & kInUse)) {
        Unlink(next);
        merged += next->Size();
    }
    chunk->head = merged | kPrevInUse;
    Chunk* const after = chunk->After();
    after->prevSize = merged;
    after->head &= ~kPrevInUse;
    Insert(chunk);
}

void* DlMalloc::dlmalloc(size_t bytes)
{
    size_t const chunkSize = Chunk::Needed(bytes);
    if (chunkSize == 0 || !EnsureStarted())
        return nullptr;
    Chunk* const chunk = TakeFit(chunkSize);
    if (!chunk)
        return nullptr;
    Carve(chunk, chunkSize);
    return chunk->Payload();
}

void DlMalloc::dlfree(void* memory)
{
    if (!memory)
        return;
    Chunk* const chunk = Chunk::Of(memory);
    inUse -= chunk->Size();
    chunk->head &= ~kInUse;
    Release(chunk);
}

void* DlMalloc::dlcalloc(size_t count, size_t elementSize)
{
    size_t bytes;
    if (__builtin_mul_overflow(count, elementSize, &bytes))
        return nullptr;
    void* const memory = dlmalloc(bytes);
    if (memory)
        std::memset(memory, 0, bytes);
    return memory;
}

void* DlMalloc::dlrealloc(void* memory, size_t bytes)
{
    if (!memory)
        return dlmalloc(bytes);
    if (bytes == 0) {
        dlfree(memory);
        return nullptr;
    }
    size_t const chunkSize = Chunk::Needed(bytes);
    if (chunkSize == 0)
        return nullptr;
    Chunk* const chunk = Chunk::Of(memory);
    if (chunk->Size() >= chunkSize) {
        ShrinkTo(chunk, chunkSize);
        return memory;
    }
    // Grow in place into a free neighbour when it is large enough.
    Chunk* const next = chunk->After();
    if (!(next->head & kInUse) && chunk->Size() + next->Size() >= chunkSize) {
        Unlink(next);
        inUse += next->Size();
        chunk->head += next->Size();
        chunk->After()->head |= kPrevInUse;
        ShrinkTo(chunk, chunkSize);
        return memory;
    }
    void* const moved = dlmalloc(bytes);
    if (!moved)
        return nullptr;
    std::memcpy(moved, memory, chunk->Size() - Chunk::kHeader);
    dlfree(memory);
    return moved;
}

void* DlMalloc::dlmemalign(size_t alignment, size_t bytes)
{
    if (alignment <= kAlignment)
        return dlmalloc(bytes);
    if (alignment > kMaxRequest || bytes > kMaxRequest)
        return nullptr;
    while (!IsPowerOfTwo(alignment))
        alignment += alignment & -alignment;
    size_t const chunkSize = Chunk::Needed(bytes);
    // Room to move the start up to the boundary with a free chunk before it.
    void* const raw = dlmalloc(bytes + alignment + Chunk::kMinimum);
    if (!raw)
        return nullptr;
    Chunk* chunk = Chunk::Of(raw);
    uintptr_t const payload = reinterpret_cast<uintptr_t>(raw);
    if (payload % alignment != 0) {
        uintptr_t const aligned = (payload + Chunk::kMinimum + alignment - 1) & ~(alignment - 1);
        size_t const lead = aligned - payload;
        Chunk* const start = chunk->At(lead);
        start->head = (chunk->Size() - lead) | kInUse | kPrevInUse;
        chunk->head = lead | (chunk->head & kPrevInUse);
        inUse -= lead;
        Release(chunk);
        chunk = start;
    }
    ShrinkTo(chunk, chunkSize);
    return chunk->Payload();
}

void* DlMalloc::dlvalloc(size_t bytes)
{
    return dlmemalign(kPageSize, bytes);
}

void* DlMalloc::dlpvalloc(size_t bytes)
{
    if (bytes > kMaxRequest)
        return nullptr;
    return dlmemalign(kPageSize, (bytes + kPageSize - 1) & ~(kPageSize - 1));
}

template <class Allocate>
void** DlMalloc::AllocateEach(size_t count, void** chunks, Allocate allocate)
{
    void** const array = chunks ? chunks : static_cast<void**>(dlcalloc(count, sizeof(void*)));
    if (!array)
        return nullptr;
    for (size_t i = 0; i < count; ++i) {
        array[i] = allocate(i);
        if (!array[i]) {
            for (size_t j = 0; j < i; ++j)
                dlfree(array[j]);
            if (!chunks)
                dlfree(array);
            return nullptr;
        }
    }
    return array;
}

void** DlMalloc::dlindependent_calloc(size_t count, size_t elementSize, void** chunks)
{
    return AllocateEach(count, chunks, [&](size_t) { return dlcalloc(1, elementSize); });
}

void** DlMalloc::dlindependent_comalloc(size_t count, size_t const* sizes, void** chunks)
{
    return AllocateEach(count, chunks, [&](size_t i) { return dlmalloc(sizes[i]); });
}

int DlMalloc::dlmalloc_trim(size_t)
{
    return 0;
}

size_t DlMalloc::dlmalloc_footprint() const
{
    return footprint;
}

size_t DlMalloc::dlmalloc_max_footprint() const
{
    // The block is taken whole and never given back.
    return footprint;
}

void DlMalloc::dlmalloc_stats() const
{
    std::fprintf(stderr, "max system bytes = %10lu\n", static_cast<unsigned long>(dlmalloc_max_footprint()));
    std::fprintf(stderr, "system bytes     = %10lu\n", static_cast<unsigned long>(dlmalloc_footprint()));
    std::fprintf(stderr, "in use bytes     = %10lu\n", static_cast<unsigned long>(inUse));
}

size_t DlMalloc::dlmalloc_usable_size(void const* memory) const
{
    return memory ? Chunk::Of(memory)->Size() - Chunk::kHeader : 0;
}

bool DlMalloc::dlmallopt(int option, int value)
{
    SetUpParameters();
    switch (option) {
    case TrimThreshold:
        parameters.trimThreshold = static_cast<size_t>(value);
        return true;
    case Granularity:
        if (value < 0 || static_cast<size_t>(value) < parameters.pageSize || !IsPowerOfTwo(static_cast<size_t>(value)))
            return false;
        parameters.granularity = static_cast<size_t>(value);
        return true;
    case MmapThreshold:
        parameters.mmapThreshold = static_cast<size_t>(value);
        return true;
    default:
        return false;
    }
}

#include "norv/vfs/LzmaDecoder.h"

#include "norv/vfs/posix/PosixFile.h"

#include <LzmaDec.h>

#include <algorithm>
#include <cstdlib>

namespace Norv {

namespace {

// A dictionary beyond this is no container of ours and would only cost memory.
constexpr uint32_t kMaxDictionarySize = 64u << 20;
// Input is pulled from the host file in pieces of this size.
constexpr int kInputChunk = 4096;

void* LzmaAlloc(void*, size_t size)
{
    return std::malloc(size);
}

void LzmaFree(void*, void* address)
{
    std::free(address);
}

ISzAlloc lzmaAllocator = {LzmaAlloc, LzmaFree};

} // namespace

static_assert(LzmaDecoder::kPropertiesSize == LZMA_PROPS_SIZE, "the container stores the SDK's property bytes");

struct LzmaDecoder::State {
    CLzmaDec decoder;
    bool allocated = false;
    PosixFile* source = nullptr;
    int64_t inputLeft = 0; // stored bytes of the stream not yet pulled
    int inputPosition = 0;
    int inputEnd = 0;
    unsigned char input[kInputChunk];
};

LzmaDecoder::LzmaDecoder()
    : state(new State)
{
    LzmaDec_Construct(&state->decoder);
}

LzmaDecoder::~LzmaDecoder()
{
    Free();
}

bool LzmaDecoder::Allocate(unsigned char const* properties)
{
    Free();
    CLzmaProps decoded;
    if (LzmaProps_Decode(&decoded, properties, LZMA_PROPS_SIZE) != SZ_OK || decoded.dicSize > kMaxDictionarySize)
        return false;
    state->allocated = LzmaDec_Allocate(&state->decoder, properties, LZMA_PROPS_SIZE, &lzmaAllocator) == SZ_OK;
    return state->allocated;
}

void LzmaDecoder::Free()
{
    if (state->allocated)
        LzmaDec_Free(&state->decoder, &lzmaAllocator);
    state->allocated = false;
    state->source = nullptr;
}

void LzmaDecoder::Restart(PosixFile* source, int64_t storedBytes)
{
    if (state->allocated)
        LzmaDec_Init(&state->decoder);
    state->source = source;
    state->inputLeft = storedBytes;
    state->inputPosition = state->inputEnd = 0;
}

int LzmaDecoder::Decode(unsigned char* out, int bytes)
{
    if (!state->allocated || !state->source)
        return 0;
    int produced = 0;
    while (produced < bytes) {
        if (state->inputPosition == state->inputEnd)
            RefillInput();
        SizeT outLength = static_cast<SizeT>(bytes - produced);
        SizeT inLength = static_cast<SizeT>(state->inputEnd - state->inputPosition);
        ELzmaStatus status;
        SRes const result = LzmaDec_DecodeToBuf(&state->decoder, out + produced, &outLength,
            state->input + state->inputPosition, &inLength, LZMA_FINISH_ANY, &status);
        state->inputPosition += static_cast<int>(inLength);
        produced += static_cast<int>(outLength);
        if (result != SZ_OK || status == LZMA_STATUS_FINISHED_WITH_MARK || (outLength == 0 && inLength == 0))
            break;
    }
    return produced;
}

void LzmaDecoder::RefillInput()
{
    state->inputPosition = state->inputEnd = 0;
    int const want = static_cast<int>(std::min<int64_t>(kInputChunk, state->inputLeft));
    // The host read itself, not a subclass's view of the file.
    int const got = want > 0 ? state->source->PosixFile::Read(state->input, want) : 0;
    if (got > 0) {
        state->inputEnd = got;
        state->inputLeft -= got;
    } else {
        state->inputLeft = 0;
    }
}

} // namespace Norv

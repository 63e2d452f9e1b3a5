// A container's blocks decoded in stream order on a worker thread, for a
// reader that will soon want most of them: a load reads the next file while
// the blocks after it are being decoded. A block the reader asks for before
// the worker reaches it is left to the reader, and the worker skips it and
// goes on from there.
#pragma once

#include "norv/vfs/CompressedFile.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace Norv {

class BlockReadAhead {
public:
    // Opens a reader of its own on the container at `path` and starts the
    // worker; IsRunning is false when the container cannot be opened or
    // there is no room for its decoded blocks.
    explicit BlockReadAhead(char const* path);
    // Stops the worker at its current block and frees every decoded block.
    ~BlockReadAhead();
    BlockReadAhead(BlockReadAhead const&) = delete;
    BlockReadAhead& operator=(BlockReadAhead const&) = delete;

    bool IsRunning() const { return worker.joinable(); }

    // The whole decoded block, once the worker has it: waits while the
    // worker decodes it. Null when the reader is to decode it itself: the
    // worker had not reached it, or could not decode it whole.
    unsigned char const* DecodedBlock(int block);

private:
    enum class State : unsigned char { Waiting, Decoding, Decoded, LeftToReader };

    void Run();
    // The first block still waiting from where the worker resumes, round
    // to the start, marked as being decoded; -1 when none is left or the
    // worker is to stop.
    int ClaimNext();
    void Finish(int block, bool whole);

    CompressedFile container;
    int blockSize = 0;
    // Every block's room, taken in one piece so that its pages go back to
    // the system with it; a page is touched only when its block is decoded.
    std::unique_ptr<unsigned char[]> blocks;
    std::vector<State> states;
    // Where the worker looks next: after its last block, or after the last
    // block the reader decoded itself.
    int resumeAt = 0;
    bool stopping = false;
    std::mutex mutex;
    std::condition_variable decoded;
    std::thread worker;
};

} // namespace Norv

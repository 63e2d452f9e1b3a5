#include "norv/vfs/BlockReadAhead.h"

#include <new>

namespace Norv {

BlockReadAhead::BlockReadAhead(char const* path)
{
    if (!container.OpenExisting(path))
        return;
    blockSize = container.GetBlockSize();
    int const count = container.GetBlockCount();
    // A damaged archive may claim a stream of up to 2 GiB: without the
    // room, there is no reading ahead.
    blocks.reset(new (std::nothrow) unsigned char[static_cast<size_t>(count) * static_cast<size_t>(blockSize)]);
    if (!blocks)
        return;
    states.assign(static_cast<size_t>(count), State::Waiting);
    worker = std::thread(&BlockReadAhead::Run, this);
}

BlockReadAhead::~BlockReadAhead()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    if (worker.joinable())
        worker.join();
}

unsigned char const* BlockReadAhead::DecodedBlock(int block)
{
    if (block < 0 || block >= static_cast<int>(states.size()))
        return nullptr;
    std::unique_lock<std::mutex> lock(mutex);
    State& state = states[static_cast<size_t>(block)];
    decoded.wait(lock, [&state] { return state != State::Decoding; });
    if (state == State::Waiting) {
        // The reader has gone past the worker: the worker follows it.
        state = State::LeftToReader;
        resumeAt = block + 1;
    }
    return state == State::Decoded ? blocks.get() + static_cast<size_t>(block) * blockSize : nullptr;
}

void BlockReadAhead::Run()
{
    for (int block = ClaimNext(); block >= 0; block = ClaimNext()) {
        unsigned char* out = blocks.get() + static_cast<size_t>(block) * blockSize;
        Finish(block, container.ReadBlock(block, out) == blockSize);
    }
    // Its decoder's memory goes now; the rest goes with the read-ahead.
    container.Close();
}

int BlockReadAhead::ClaimNext()
{
    std::lock_guard<std::mutex> lock(mutex);
    int const count = static_cast<int>(states.size());
    for (int step = 0; !stopping && step < count; ++step) {
        int const block = (resumeAt + step) % count;
        if (states[static_cast<size_t>(block)] == State::Waiting) {
            states[static_cast<size_t>(block)] = State::Decoding;
            resumeAt = block + 1;
            return block;
        }
    }
    return -1;
}

void BlockReadAhead::Finish(int block, bool whole)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        states[static_cast<size_t>(block)] = whole ? State::Decoded : State::LeftToReader;
    }
    decoded.notify_all();
}

} // namespace Norv

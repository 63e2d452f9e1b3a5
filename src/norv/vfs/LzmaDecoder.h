// An incremental LZMA decoder over a bounded run of a host file's bytes:
// one instance decodes stream after stream with the same properties.
#pragma once

#include <cstdint>
#include <memory>

namespace Norv {

class PosixFile;

class LzmaDecoder {
public:
    // The five property bytes: lc/lp/pb, then the dictionary size.
    static constexpr int kPropertiesSize = 5;

    LzmaDecoder();
    ~LzmaDecoder();
    LzmaDecoder(LzmaDecoder const&) = delete;
    LzmaDecoder& operator=(LzmaDecoder const&) = delete;

    // Takes the properties and allocates the probabilities and dictionary;
    // false for invalid properties or an implausibly large dictionary.
    bool Allocate(unsigned char const* properties);
    void Free();

    // Starts a fresh stream whose input is the next `storedBytes` bytes of
    // `source`, read from its current position.
    void Restart(PosixFile* source, int64_t storedBytes);

    // Decodes up to `bytes` bytes; fewer when the stream ends, runs out of
    // input or is damaged.
    int Decode(unsigned char* out, int bytes);

private:
    void RefillInput();

    struct State;
    std::unique_ptr<State> state;
};

} // namespace Norv

// The board file's text cut into tokens: a token ends at a comma or a line
// end, carriage returns and bytes above 127 are skipped, and a zero byte
// ends a token as the end of the text does.
#pragma once

#include <cstddef>
#include <string>

class BoardTokens {
public:
    // A token holds at most this many characters, plus the terminator.
    static constexpr int kTokenSize = 48;

    BoardTokens(const unsigned char* text, size_t size);

    // The next token into `buffer` (kTokenSize bytes); false when it ends at
    // a zero byte or the end of the text with nothing read, or is too long.
    bool next(char* buffer);
    // Why reading stopped short, or empty.
    const std::string& error() const { return fault; }
    void setError(const char* what);

private:
    const unsigned char* text;
    size_t size;
    size_t at = 0;
    std::string fault;
};

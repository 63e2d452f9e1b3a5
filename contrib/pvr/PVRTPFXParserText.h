// Text helpers of the PFX parser: its lines as read, words, numbers.
#pragma once

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

// The lines of the text being parsed, after comment removal and whitespace
// reduction, with their 1-based numbers in the file.
class CPVRTPFXParserReadContext {
public:
    // Lines one file may have.
    static constexpr size_t kMaxLines = 5000;

    std::vector<std::string> lines;
    std::vector<int> lineNumbers;
};

namespace PVRTPFXText {

// The words of a reduced line (single blanks between them).
inline std::vector<std::string> Words(std::string const& line)
{
    std::vector<std::string> words;
    for (size_t start = 0; start < line.size();) {
        size_t blank = line.find(' ', start);
        if (blank == std::string::npos)
            blank = line.size();
        words.push_back(line.substr(start, blank - start));
        start = blank + 1;
    }
    return words;
}

// What follows the first word and its blank; empty when nothing does.
inline std::string AfterFirstWord(std::string const& line)
{
    size_t blank = line.find(' ');
    return blank == std::string::npos ? std::string() : line.substr(blank + 1);
}

inline bool StartsWith(std::string const& text, const char* prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// A base-10 integer at the start of text, clamped to int; 0 when there is none.
inline int ToInt(std::string const& text)
{
    errno = 0;
    long value = std::strtol(text.c_str(), nullptr, 10);
    return int(std::clamp<long>(value, INT_MIN, INT_MAX));
}

} // namespace PVRTPFXText

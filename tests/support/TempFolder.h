// A fresh folder under /tmp for one test, removed with everything in it.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/norv-test-XXXXXX";
        char* made = mkdtemp(pattern);
        EXPECT_NE(made, nullptr);
        path = made ? made : "";
    }
    ~TempFolder() { std::system(("rm -rf '" + path + "'").c_str()); }
    TempFolder(TempFolder const&) = delete;
    TempFolder& operator=(TempFolder const&) = delete;

    // The folder's path with `relative` appended after a "/".
    std::string operator/(std::string const& relative) const { return path + "/" + relative; }

    // Writes `bytes` to `relative`, making its folders first.
    void Write(std::string const& relative, std::string const& bytes) const
    {
        std::string const full = *this / relative;
        for (size_t slash = full.find('/', path.size() + 1); slash != std::string::npos; slash = full.find('/', slash + 1))
            mkdir(full.substr(0, slash).c_str(), 0755);
        std::ofstream(full, std::ios::binary) << bytes;
    }

    std::string Read(std::string const& relative) const
    {
        std::ifstream in(*this / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string path;
};

// Reads a stream to its end in pieces of `piece` bytes.
template <class Stream>
std::string ReadAll(Stream& stream, int piece = 4096)
{
    std::string all;
    std::vector<char> buffer(static_cast<size_t>(piece));
    for (int got; (got = stream.Read(buffer.data(), piece)) > 0;)
        all.append(buffer.data(), static_cast<size_t>(got));
    return all;
}

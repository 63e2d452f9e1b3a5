// Finds #include lines that cross from one library into another that it may
// not use: the libraries form layers, and each may use only those below it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct Layer {
    std::string library;
    std::string folder;             // relative to the source root
    std::vector<std::string> uses;  // the libraries right below it
};

struct CrossingInclude {
    std::string file;    // relative to the source root
    std::string header;  // as written in the #include
    std::string from;
    std::string to;      // empty when the header belongs to no library
};

// The libraries of `layers` that a library uses directly or through others.
std::vector<std::string> ReachableFrom(std::vector<Layer> const& layers, std::string const& library);

// Every quoted #include in the libraries' folders whose header lies in
// another library that the including one cannot reach. A header is looked
// up below root/src, then below root; a file belongs to the library with the
// longest folder that holds it.
std::vector<CrossingInclude> FindCrossingIncludes(std::filesystem::path const& root, std::vector<Layer> const& layers);

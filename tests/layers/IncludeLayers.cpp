#include "IncludeLayers.h"

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;

namespace {

Layer const* OwnerOf(std::vector<Layer> const& layers, std::string const& relative)
{
    Layer const* owner = nullptr;
    for (Layer const& layer : layers) {
        std::string const prefix = layer.folder + "/";
        if (relative.compare(0, prefix.size(), prefix) == 0 && (!owner || layer.folder.size() > owner->folder.size()))
            owner = &layer;
    }
    return owner;
}

bool IsSource(fs::path const& path)
{
    std::string const extension = path.extension().string();
    return extension == ".h" || extension == ".hpp" || extension == ".cpp" || extension == ".c";
}

// The header's path relative to the root, or empty when it is not in the tree
// (a system header, or one beside the including file).
std::string Locate(fs::path const& root, std::string const& header)
{
    for (fs::path const& base : {root / "src", root}) {
        if (fs::is_regular_file(base / header))
            return fs::relative(base / header, root).generic_string();
    }
    return {};
}

// The header of a quoted #include line, or empty for any other line.
std::string QuotedInclude(std::string const& line)
{
    size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '#')
        return {};
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line.compare(at, 7, "include") != 0)
        return {};
    at = line.find_first_not_of(" \t", at + 7);
    if (at == std::string::npos || line[at] != '"')
        return {};
    size_t const end = line.find('"', at + 1);
    return end == std::string::npos ? std::string() : line.substr(at + 1, end - at - 1);
}

} // namespace

std::vector<std::string> ReachableFrom(std::vector<Layer> const& layers, std::string const& library)
{
    std::vector<std::string> reached;
    std::vector<std::string> pending{library};
    while (!pending.empty()) {
        std::string const current = pending.back();
        pending.pop_back();
        for (Layer const& layer : layers) {
            if (layer.library != current)
                continue;
            for (std::string const& used : layer.uses) {
                if (std::find(reached.begin(), reached.end(), used) == reached.end()) {
                    reached.push_back(used);
                    pending.push_back(used);
                }
            }
        }
    }
    return reached;
}

std::vector<CrossingInclude> FindCrossingIncludes(fs::path const& root, std::vector<Layer> const& layers)
{
    std::vector<CrossingInclude> crossings;
    for (Layer const& layer : layers) {
        fs::path const folder = root / layer.folder;
        if (!fs::is_directory(folder))
            continue;
        for (fs::directory_entry const& entry : fs::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file() || !IsSource(entry.path()))
                continue;
            std::string const file = fs::relative(entry.path(), root).generic_string();
            Layer const* from = OwnerOf(layers, file);
            if (from != &layer)
                continue; // a nested library's file, checked as that library's
            std::vector<std::string> const allowed = ReachableFrom(layers, from->library);
            std::ifstream in(entry.path());
            for (std::string line; std::getline(in, line);) {
                std::string const written = QuotedInclude(line);
                std::string const header = written.empty() ? std::string() : Locate(root, written);
                if (header.empty())
                    continue;
                Layer const* to = OwnerOf(layers, header);
                if (to == from)
                    continue;
                if (to && std::find(allowed.begin(), allowed.end(), to->library) != allowed.end())
                    continue;
                crossings.push_back({file, written, from->library, to ? to->library : std::string()});
            }
        }
    }
    return crossings;
}

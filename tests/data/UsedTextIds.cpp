// Scanning the source tree for text ids.
#include "UsedTextIds.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <vector>

namespace {

namespace fs = std::filesystem;

using IdFinder = std::function<std::vector<std::string>(std::string const& line)>;

struct Scan {
    char const* folder;
    std::set<std::string> files; // extensions (".cpp") or whole file names
    IdFinder find;
};

bool IsIdChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Ids of the shape S_... standing between one of `opening` and one of `closing`.
IdFinder QuotedIds(std::string opening, std::string closing)
{
    return [opening, closing](std::string const& line) {
        std::vector<std::string> ids;
        for (size_t at = line.find("S_"); at != std::string::npos; at = line.find("S_", at + 1)) {
            size_t end = at + 2;
            while (end < line.size() && IsIdChar(line[end]))
                ++end;
            if (at > 0 && opening.find(line[at - 1]) != std::string::npos && end > at + 2 && end < line.size() &&
                closing.find(line[end]) != std::string::npos)
                ids.push_back(line.substr(at, end - at));
        }
        return ids;
    };
}

// A board record is nine comma-separated fields; the fifth, the space's name,
// is the text id of the space.
std::vector<std::string> BoardSpaceName(std::string const& line)
{
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ',')
            fields.emplace_back();
        else if (!std::isspace(static_cast<unsigned char>(c)))
            fields.back() += c;
    }
    if (fields.size() < 9 || fields[4].empty())
        return {};
    return {fields[4]};
}

void ScanFolder(fs::path const& root, Scan const& scan, std::map<std::string, std::string>& found)
{
    fs::path const folder = root / scan.folder;
    if (!fs::is_directory(folder))
        return;
    fs::path const texts = root / "data" / "texts";
    for (auto const& entry : fs::recursive_directory_iterator(folder)) {
        fs::path const& path = entry.path();
        if (!entry.is_regular_file() || path.parent_path() == texts ||
            (!scan.files.count(path.extension().string()) && !scan.files.count(path.filename().string())))
            continue;
        std::ifstream in(path);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            for (std::string const& id : scan.find(line))
                found.emplace(id, fs::relative(path, root).string() + ":" + std::to_string(number));
        }
    }
}

} // namespace

std::map<std::string, std::string> FindUsedTextIds(std::string const& sourceRoot)
{
    Scan const scans[] = {
        {"src", {".cpp", ".h"}, QuotedIds("\"", "\"")},
        {"data", {".lua", ".xml"}, QuotedIds("\"'>", "\"'<")},
        {"data", {"quorvelBoard.txt"}, BoardSpaceName},
    };
    std::map<std::string, std::string> found;
    for (Scan const& scan : scans)
        ScanFolder(sourceRoot, scan, found);
    return found;
}

// mkprops: makes the board's props (scenery, buildings, cars, pegs, the
// marker, sparks and labels) from their readable descriptions.
//   mkprops <layout.txt> <font> <texts folder> <output folder> <description>...
#include "Description.h"
#include "Pictures.h"

#include "HeightField.h"
#include "Layout.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <sys/stat.h>

namespace {

// The labels' languages: the default texture's stem first, then those the
// game swaps in, each with the language file its words come from.
struct LabelLanguage {
    char const* stem;
    char const* file;
};
LabelLanguage const kLabelLanguages[] = {{"quorvelEn", "english.xml"},
                                         {"quorvelFr", "french.xml"},
                                         {"quorvelDe", "german.xml"},
                                         {"quorvelSp", "spanish.xml"}};

std::string Unescape(std::string text)
{
    std::pair<char const*, char const*> const entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (auto const& entity : entities)
        for (std::size_t at; (at = text.find(entity.first)) != std::string::npos;)
            text.replace(at, std::string(entity.first).size(), entity.second);
    return text;
}

// The text of each id in a language file, read plainly: one string
// element per id.
std::map<std::string, std::string> ReadTexts(std::string const& path)
{
    std::ifstream in(path);
    std::string const xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::map<std::string, std::string> texts;
    std::string const open = "<string id=\"";
    for (std::size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
        std::size_t const idEnd = xml.find('"', at + open.size());
        std::size_t const textStart = xml.find('>', idEnd);
        std::size_t const textEnd = xml.find("</string>", textStart);
        if (idEnd == std::string::npos || textStart == std::string::npos || textEnd == std::string::npos)
            break;
        texts[xml.substr(at + open.size(), idEnd - at - open.size())] =
            Unescape(xml.substr(textStart + 1, textEnd - textStart - 1));
    }
    return texts;
}

bool MakeFolder(std::string const& path)
{
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

bool WritePictures(PictureRequest const& request, std::string const& out, std::string const& font,
                   std::string const& textsFolder, std::string& error)
{
    Picture picture(1, 1);
    if (request.kind == "labels") {
        for (LabelLanguage const& language : kLabelLanguages) {
            std::map<std::string, std::string> const texts = ReadTexts(textsFolder + "/" + language.file);
            std::vector<std::string> lines;
            for (std::string const& id : request.words) {
                auto const found = texts.find(id);
                if (found == texts.end()) {
                    error = std::string(language.file) + " has no text " + id;
                    return false;
                }
                lines.push_back(found->second);
            }
            if (!WordsPicture(font, lines, WordsStyle(), picture)
                || !picture.WritePvr(out + request.folder + language.stem + ".pvr")) {
                error = "cannot write the labels in " + std::string(language.file);
                return false;
            }
        }
        return true;
    }
    bool drawn = false;
    if (request.kind == "posters") {
        WordsStyle style;
        style.width = 512, style.height = 256, style.rows = 4, style.outlined = false;
        style.colours = request.colours;
        drawn = WordsPicture(font, request.words, style, picture);
    } else
        drawn = DrawnPicture(request.kind, picture);
    if (!drawn || !picture.WritePvr(out + request.folder + request.stem + ".pvr")) {
        error = "cannot make the picture " + request.stem + " (" + request.kind + ")";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: mkprops <layout> <font> <texts folder> <output folder> <description>...\n");
        return 2;
    }
    Layout layout;
    std::string error;
    if (!ReadLayout(argv[1], layout, error)) {
        std::fprintf(stderr, "mkprops: %s\n", error.c_str());
        return 1;
    }
    HeightField const land(layout);
    Description description([&land](float x, float z) { return land.At(x, z); });
    PropSet set;
    for (int i = 5; i < argc; ++i)
        if (!description.Read(argv[i], set, error)) {
            std::fprintf(stderr, "mkprops: %s\n", error.c_str());
            return 1;
        }
    std::string const out = std::string(argv[4]) + "/";
    if (!MakeFolder(out) || !MakeFolder(out + "environment") || !MakeFolder(out + "gameobjects")) {
        std::fprintf(stderr, "mkprops: cannot make the folders in %s\n", out.c_str());
        return 1;
    }
    for (PropModelSource const& source : set.models) {
        if (!source.written)
            continue;
        for (PropNode const& node : source.model.nodes)
            if (node.mesh.vertices.size() > kMaxMeshVertices) {
                std::fprintf(stderr, "mkprops: %s's node %s has too many vertices\n", source.model.file.c_str(),
                             node.name.c_str());
                return 1;
            }
        if (!source.model.Write(out + source.folder + source.model.file)) {
            std::fprintf(stderr, "mkprops: cannot write %s\n", source.model.file.c_str());
            return 1;
        }
    }
    for (SwatchRequest const& swatch : set.swatches)
        if (!SwatchPicture(swatch.colours).WritePvr(out + swatch.folder + swatch.stem + ".pvr")) {
            std::fprintf(stderr, "mkprops: cannot write the swatch %s\n", swatch.stem.c_str());
            return 1;
        }
    for (PictureRequest const& request : set.pictures)
        if (!WritePictures(request, out, argv[2], argv[3], error)) {
            std::fprintf(stderr, "mkprops: %s\n", error.c_str());
            return 1;
        }
    return 0;
}

// Parsing "FGLYT" layout files and looking up their elements.
#include "qrvl/original/framework/FGLayout.h"

#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGFileSystem.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr char kMagic[] = "FGLYT";
constexpr int kMagicBytes = 5;
// Name, id, x, y, tiled, width, height, flip and a reserved int.
constexpr int kElementRecordBytes = 8 * 4 + 1;
// An element whose name starts with this is a filled rectangle of the colour
// written after it in hexadecimal.
constexpr char kColourPrefix[] = "0x";

} // namespace

void FGLayout::clear()
{
    width = height = 0;
    background = kNoColour;
    elements.clear();
    strings.clear();
    hashes.clear();
}

bool FGLayout::init(FGFileSystem& files, char const* fileName)
{
    clear();
    std::unique_ptr<FGData> file = files.getFile(fileName);
    if (!file) {
        std::fprintf(stderr, "FGLayout: Could not load layout file: %s\n", fileName);
        return false;
    }
    FGDataReader reader;
    reader.init(file.get());
    if (!read(reader, fileName)) {
        clear();
        return false;
    }
    return true;
}

bool FGLayout::read(FGDataReader& reader, char const* fileName)
{
    char magic[kMagicBytes];
    if (!reader.readFromData(magic, kMagicBytes) || std::memcmp(magic, kMagic, kMagicBytes) != 0) {
        std::fprintf(stderr, "FGLayout: %s is not a layout file\n", fileName);
        return false;
    }
    if (reader.readInt() != kVersion) {
        std::fprintf(stderr, "FGLayout: Invalid version of layout file: %s\n", fileName);
        return false;
    }
    width = reader.readInt();
    height = reader.readInt();
    background = reader.readInt();
    // A repeated text is kept once, so file indices are mapped to the table's.
    int const stringCount = reader.readCount(FGDataReader::kStringHeaderBytes);
    std::vector<int> tableIndex;
    for (int i = 0; i < stringCount && !reader.hasError(); ++i)
        tableIndex.push_back(noteString(reader.readUTF().getNativeString()));
    int const elementCount = reader.readCount(kElementRecordBytes);
    for (int i = 0; i < elementCount && !reader.hasError(); ++i) {
        int const name = reader.readInt();
        int const id = reader.readInt();
        int const x = reader.readInt();
        int const y = reader.readInt();
        bool const tiled = reader.readBoolean();
        int const elementWidth = reader.readInt();
        int const elementHeight = reader.readInt();
        int const flip = reader.readInt();
        reader.readInt(); // reserved
        if (name < 0 || name >= stringCount || id < 0 || id >= stringCount) {
            std::fprintf(stderr, "FGLayout: element %d of %s names a string it does not have\n", i, fileName);
            return false;
        }
        elements.emplace_back();
        setImage(i, x, y, tiled, elementWidth, elementHeight, flip, tableIndex[static_cast<size_t>(name)],
                 tableIndex[static_cast<size_t>(id)], false);
    }
    if (reader.hasError()) {
        std::fprintf(stderr, "FGLayout: %s is cut short\n", fileName);
        return false;
    }
    return true;
}

void FGLayout::initManual(int count, int newBackground, int newWidth, int newHeight)
{
    clear();
    elements.resize(static_cast<size_t>(count > 0 ? count : 0));
    background = newBackground;
    width = newWidth;
    height = newHeight;
}

bool FGLayout::setImage(int index, int x, int y, bool tiled, int elementWidth, int elementHeight, int flip,
                        int nameIndex, int idIndex, bool note)
{
    if (!element(index) || !validString(nameIndex) || !validString(idIndex))
        return false;
    Element& e = elements[static_cast<size_t>(index)];
    e.x = x;
    e.y = y;
    e.tiled = tiled;
    e.width = elementWidth;
    e.height = elementHeight;
    e.flip = flip;
    e.note = note;
    e.nameIndex = nameIndex;
    e.idIndex = idIndex;
    FGString const& name = strings[static_cast<size_t>(nameIndex)];
    e.colour = name.startsWith(kColourPrefix) ? name.substring(2).toIntFromHex() : kNoColour;
    return true;
}

bool FGLayout::setImage(int index, int x, int y, bool tiled, int elementWidth, int elementHeight, int flip,
                        char const* name, char const* id, bool note)
{
    if (!element(index) || !name || !id)
        return false;
    int const nameIndex = noteString(name); // the name is added to the table before the id
    int const idIndex = noteString(id);
    return setImage(index, x, y, tiled, elementWidth, elementHeight, flip, nameIndex, idIndex, note);
}

int FGLayout::noteString(char const* text)
{
    if (!text)
        return -1;
    int const found = getStringTableID(text);
    if (found >= 0)
        return found;
    strings.emplace_back(text);
    hashes.push_back(strings.back().getHash());
    return static_cast<int>(strings.size()) - 1;
}

int FGLayout::getStringTableID(char const* text) const
{
    if (!text)
        return -1;
    int const hash = FGString::getHash(text);
    for (size_t i = 0; i < strings.size(); ++i)
        if (hashes[i] == hash && strings[i].equals(text))
            return static_cast<int>(i);
    return -1;
}

char const* FGLayout::getString(int i) const
{
    return validString(i) ? strings[static_cast<size_t>(i)].getNativeString() : "";
}

int FGLayout::registerNoteName(char const* id)
{
    int const index = getStringTableID(id);
    if (index < 0)
        return -1;
    for (Element& e : elements)
        if (e.idIndex == index)
            e.note = true;
    return index;
}

int FGLayout::getFirstIdx(char const* id) const
{
    int const index = getStringTableID(id);
    for (size_t i = 0; index >= 0 && i < elements.size(); ++i)
        if (elements[i].idIndex == index)
            return static_cast<int>(i);
    return -1;
}

FGLayout::Element const* FGLayout::element(int i) const
{
    return (i >= 0 && i < getNumElements()) ? &elements[static_cast<size_t>(i)] : nullptr;
}

char const* FGLayout::getElementName(int i) const
{
    Element const* e = element(i);
    return e ? getString(e->nameIndex) : "";
}

char const* FGLayout::getElementIDString(int i) const
{
    Element const* e = element(i);
    return e ? getString(e->idIndex) : "";
}

int FGLayout::field(int i, int Element::*member) const
{
    Element const* e = element(i);
    return e ? e->*member : -1;
}

bool FGLayout::isElementTiled(int i) const
{
    Element const* e = element(i);
    return e && e->tiled;
}

bool FGLayout::isElementNote(int i) const
{
    Element const* e = element(i);
    return e && e->note;
}

int FGLayout::getElementX(int i, int flip) const
{
    Element const* e = element(i);
    if (!e)
        return -1;
    return flip == kFlipHorizontal ? width - e->x - e->width : e->x;
}

int FGLayout::getElementY(int i, int flip) const
{
    Element const* e = element(i);
    if (!e)
        return -1;
    return flip == kFlipVertical ? height - e->y - e->height : e->y;
}

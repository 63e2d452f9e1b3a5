// A layout: named rectangles in a fixed coordinate space, read from an
// "FGLYT" file. The board finds where each of its spaces lies by name.
#pragma once

#include "qrvl/original/framework/FGString.h"

#include <vector>

class FGDataReader;
class FGFileSystem;

class FGLayout {
public:
    static constexpr int kVersion = 4;
    // The colour of "no colour": an image element, or no background.
    static constexpr int kNoColour = 0xFF00FF;
    // Mirroring of an element or of a whole layout.
    static constexpr int kFlipNone = 0;
    static constexpr int kFlipVertical = 1;
    static constexpr int kFlipHorizontal = 2;

    FGLayout() = default;
    virtual ~FGLayout() = default;

    // Reads a layout file through `files`; false, leaving the layout empty,
    // when the file is missing, not a layout of this version, or damaged.
    bool init(FGFileSystem& files, char const* fileName);
    // An empty layout of `count` elements, filled with setImage.
    void initManual(int count, int background, int width, int height);
    // Fills element `index`, naming its image (or "0x" colour) and id by
    // string table index or by text (added to the table when new). False
    // for an index or string index outside the layout.
    bool setImage(int index, int x, int y, bool tiled, int width, int height, int flip, int nameIndex, int idIndex,
                  bool note);
    bool setImage(int index, int x, int y, bool tiled, int width, int height, int flip, char const* name,
                  char const* id, bool note);

    // The index of the text in the string table, added when absent (-1 for null).
    int noteString(char const* text);
    // Its index, or -1.
    int getStringTableID(char const* text) const;
    // Text i of the table; "" outside it.
    char const* getString(int i) const;
    // Marks every element of that id as a note (neither loaded nor drawn);
    // the id's string index, or -1.
    int registerNoteName(char const* id);

    // The first element of that id in file order, or -1.
    int getFirstIdx(char const* id) const;
    int getNumElements() const { return static_cast<int>(elements.size()); }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getBackground() const { return background; }

    // Element i's fields; -1 (or "", false) outside the layout.
    char const* getElementName(int i) const;
    char const* getElementIDString(int i) const;
    int getElementX(int i) const { return field(i, &Element::x); }
    int getElementY(int i) const { return field(i, &Element::y); }
    int getElementWidth(int i) const { return field(i, &Element::width); }
    int getElementHeight(int i) const { return field(i, &Element::height); }
    int getElementColour(int i) const { return field(i, &Element::colour); }
    int getElementFlip(int i) const { return field(i, &Element::flip); }
    bool isElementTiled(int i) const;
    bool isElementNote(int i) const;
    // The same by id; -1 when no element has it.
    int getElementX(char const* id) const { return getElementX(getFirstIdx(id)); }
    int getElementY(char const* id) const { return getElementY(getFirstIdx(id)); }
    int getElementWidth(char const* id) const { return getElementWidth(getFirstIdx(id)); }
    int getElementHeight(char const* id) const { return getElementHeight(getFirstIdx(id)); }
    // The position mirrored inside the layout by a horizontal or vertical flip.
    int getElementX(int i, int flip) const;
    int getElementY(int i, int flip) const;
    int getElementX(char const* id, int flip) const { return getElementX(getFirstIdx(id), flip); }
    int getElementY(char const* id, int flip) const { return getElementY(getFirstIdx(id), flip); }

private:
    struct Element {
        int x = 0;
        int y = 0;
        int colour = kNoColour;
        bool tiled = false;
        int width = 0;
        int height = 0;
        int flip = kFlipNone;
        bool note = false;
        int nameIndex = 0;
        int idIndex = 0;
    };

    bool read(FGDataReader& reader, char const* fileName);
    void clear();
    Element const* element(int i) const;
    // An int field of element i, or -1 outside the layout.
    int field(int i, int Element::*member) const;
    bool validString(int i) const { return i >= 0 && i < static_cast<int>(strings.size()); }

    int width = 0;
    int height = 0;
    int background = kNoColour;
    std::vector<Element> elements;
    std::vector<FGString> strings;
    std::vector<int> hashes;
};

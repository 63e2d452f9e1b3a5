// Where the flat board places each space: the layout element named by the
// first token of a board record. The layout reader provides it.
#pragma once

class SkidPositions {
public:
    virtual ~SkidPositions() = default;
    // The element's index (from its name) and position; false when absent.
    virtual bool find(const char* elementName, int& index, int& x, int& y) const = 0;
};

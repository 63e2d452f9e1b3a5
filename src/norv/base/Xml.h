// A parsed XML document that owns the text its element tree points into.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"

#include <cstddef>

struct ezxml;

namespace Norv {

class SeekableStream;

class Xml : public RefCounter {
public:
    // Each creator returns a new document (reference count 0) or null when
    // the text does not parse.

    // Parses a copy of the text; empty text gives a document without a tree.
    static Xml* Create(NarrowString const& text);
    // Takes over an array-allocated buffer and parses it in place.
    static Xml* Create(char* buffer, int length);
    // Parses a file opened through the virtual file system; null when missing.
    static Xml* LoadFromFile(char const* path);
    static Xml* LoadFromFile(SeekableStream* stream);

    Xml(Xml const&) = delete;
    Xml& operator=(Xml const&) = delete;
    ~Xml() override;

    // The root element; null for a document made from empty text.
    ezxml* GetTree() const { return tree; }

private:
    static Xml* Parse(char* buffer, size_t length);
    Xml(ezxml* tree, char* data) : tree(tree), data(data) {}

    ezxml* tree;
    char* data;
};

} // namespace Norv

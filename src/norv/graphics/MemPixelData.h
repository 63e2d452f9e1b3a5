// A pixel store in plain memory, one row after another.
#pragma once

#include <memory>

#include "norv/graphics/PixelData.h"

namespace Norv {

class MemPixelData : public PixelData {
public:
    // Contents are undefined; any format value is accepted.
    MemPixelData(int width, int height, PixelFormat format);
    // A copy of another store's bytes, size, format and key colour.
    explicit MemPixelData(PixelData const& other);
    // An RGB888 image from an XPM-like array of strings: a header line
    // "width height colours charsPerPixel", colour lines "<key> c #RRGGBB",
    // then the pixel rows.
    explicit MemPixelData(char const* const* lines);

    Color GetPixel(int x, int y) const override;
    void PutPixel(int x, int y, Color const& color) override;
    unsigned char* GetData() override;
    unsigned char const* GetData() const override;
    void ReleaseData() override;
    int GetType() const override;

private:
    void Allocate();
    std::size_t ByteSize() const;

    std::unique_ptr<unsigned char[]> buffer;
};

} // namespace Norv

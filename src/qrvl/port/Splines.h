// The board's paths file "splines.bin": its records in file order.
#pragma once

#include "qrvl/port/Spline.h"

#include "norv/base/core/SmartPtr.h"

#include <vector>

class Splines {
public:
    static constexpr uint32_t kMagic = 0x059117E5;
    static constexpr char const* kFileName = "splines.bin";

    // Reads the whole file through the virtual file system. A missing file,
    // another magic, or a record count or record that does not fit the file
    // leaves the set empty (false).
    bool Serialise(char const* path);
    // The same over bytes in memory.
    bool Parse(unsigned char const* data, std::size_t size);

    unsigned GetCount() const { return static_cast<unsigned>(splines.size()); }
    Spline* GetSpline(unsigned i) const { return i < splines.size() ? splines[i].Get() : nullptr; }

private:
    std::vector<Norv::SmartPtr<Spline>> splines;
};

// Temporary stand-in for the framework's big-endian data writer until it lands.
#pragma once
#include "qrvl/original/FGData.h"
#include "qrvl/original/FGString.h"
#include <memory>
#include <vector>

class FGDataWriter {
public:
    void init() { bytes.clear(); }
    void writeBoolean(bool b) { bytes.push_back(b ? 1 : 0); }
    void writeByte(unsigned char b) { bytes.push_back(b); }
    void writeInt(int v)
    {
        unsigned u = static_cast<unsigned>(v);
        for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<unsigned char>(u >> shift));
    }
    void writeUTF(const FGString& s)
    {
        writeInt(s.length());
        const char* p = s.getNativeString();
        bytes.insert(bytes.end(), p, p + s.length());
    }
    int getDataPos() const { return static_cast<int>(bytes.size()); }
    std::unique_ptr<FGData> getData()
    {
        std::unique_ptr<FGData> d(new FGData);
        d->duplicate(bytes.data(), static_cast<int>(bytes.size()));
        bytes.clear();
        return d;
    }
private:
    std::vector<unsigned char> bytes;
};

// Temporary stand-in for the framework's big-endian data reader until it lands.
#pragma once
#include "qrvl/original/FGData.h"
#include "qrvl/original/FGString.h"
#include <string>

class FGDataReader {
public:
    void init(FGData* d) { source = d; position = 0; error = false; }
    void releaseData() { source = nullptr; }
    bool readBoolean() { return (readByte() & 1) != 0; }
    unsigned char readByte()
    {
        if (!take(1)) return 0;
        return source->getData()[position++];
    }
    int readInt()
    {
        if (!take(4)) return 0;
        unsigned u = 0;
        for (int i = 0; i < 4; ++i) u = (u << 8) | source->getData()[position++];
        return static_cast<int>(u);
    }
    FGString readUTF()
    {
        int n = readInt();
        if (error || n < 0 || !take(n)) { if (n < 0) error = true; return FGString(); }
        std::string s(reinterpret_cast<const char*>(source->getData()) + position, n);
        position += n;
        return FGString(s.c_str());
    }
    int getDataPos() const { return position; }
private:
    bool take(int n)
    {
        if (error) return false;
        if (!source || position + n > source->getLength()) { error = true; return false; }
        return true;
    }
    FGData* source = nullptr;
    int position = 0;
    bool error = false;
};

// Temporary stand-in for the framework's byte buffer until it lands.
#pragma once
#include <cstdlib>
#include <cstring>

class FGData {
public:
    FGData() = default;
    virtual ~FGData() { clear(); }
    FGData(const FGData&) = delete;
    FGData& operator=(const FGData&) = delete;
    void clear() { if (owned) std::free(data); data = nullptr; length = capacity = 0; }
    unsigned char* getData() const { return data; }
    int getLength() const { return length; }
    bool duplicate(const unsigned char* bytes, int n)
    {
        clear();
        data = static_cast<unsigned char*>(std::malloc(n > 0 ? n : 1));
        if (n > 0) std::memcpy(data, bytes, n);
        length = capacity = n;
        owned = true;
        return true;
    }
private:
    unsigned char* data = nullptr;
    int length = 0;
    int capacity = 0;
    bool owned = true;
};

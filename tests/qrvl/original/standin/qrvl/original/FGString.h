// Temporary stand-in for the framework's byte string until it lands.
#pragma once
#include <string>

class FGString {
public:
    FGString() = default;
    FGString(const char* text) : s(text ? text : "") {}
    FGString(const FGString& other) : s(other.s) {}
    FGString& operator=(const FGString& other) { s = other.s; return *this; }
    void set(const char* text) { s = text ? text : ""; }
    void add(const char* text) { s += text ? text : ""; }
    void add(char c) { if (c) s += c; }
    bool equals(const char* text) const { return s == (text ? text : ""); }
    const char* getNativeString() const { return s.c_str(); }
    int length() const { return static_cast<int>(s.size()); }
private:
    std::string s;
};

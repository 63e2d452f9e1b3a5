// The framework's text service: localised texts by string id from the
// engine's text dictionary, and a table of key = value lines read from a
// text file.
#pragma once

#include "qrvl/original/framework/FGString.h"

#include <vector>

class FGFileSystem;

class FGStringManager {
public:
    FGStringManager() = default;
    virtual ~FGStringManager() = default;

    // Replaces the table by the key = value lines of a file read through
    // `files`: "//" starts a comment, a line without "=" is skipped, key and
    // value are trimmed and "\n" in a value becomes a line feed. False when
    // the file is missing.
    bool init(FGFileSystem& files, char const* fileName);

    bool stringExists(char const* key) const { return getStrIdx(key) != -1; }
    // The first entry of that key, or -1.
    int getStrIdx(char const* key) const;
    int getCount() const { return static_cast<int>(keys.size()); }
    // Entry i's key and value; empty outside the table.
    FGString getKey(int i) const;
    FGString getValue(int i) const;

    // The localised text of a string id, the id itself when the dictionary
    // lacks it. The text stays valid for the rest of the run.
    static char const* getString(char const* key);
    static FGString getFGString(char const* key);
    // Hashed lookups were never supported.
    static char const* getStringHashed(int) { return "HASH"; }

private:
    std::vector<FGString> keys;
    std::vector<FGString> values;
    std::vector<int> hashes;
};

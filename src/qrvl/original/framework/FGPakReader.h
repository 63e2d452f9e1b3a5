// Reads the framework's own archives ("FGPAK"): a directory of named entries,
// each an LZMA stream decoded in one piece when its file is asked for.
#pragma once

#include "qrvl/original/framework/FGString.h"

#include <memory>
#include <vector>

class FGData;

class FGPakReader {
public:
    // The fixed part of the header: magic, header size and entry count.
    static constexpr int kMagicBytes = 5;
    static constexpr int kFixedHeaderBytes = kMagicBytes + 4 + 4;

    FGPakReader() = default;
    FGPakReader(FGPakReader const&) = delete;
    FGPakReader& operator=(FGPakReader const&) = delete;

    // Reads the directory of an archive found through the virtual file
    // system; false, leaving the reader empty, when the file is missing, not
    // an archive, or its directory does not fit the file.
    bool init(char const* fileName);
    // The same over an archive in memory, which the caller keeps alive.
    bool init(FGData* archive);

    // The decoded file, or null.
    std::unique_ptr<FGData> getFile(char const* name) const;
    // Decoded into `into` (returned), or null.
    FGData* getFile(char const* name, FGData* into) const;

    // The first entry of exactly that name, or -1.
    int getFileIndex(char const* name) const;
    // The decoded size, or -1.
    int getFileLength(char const* name) const;
    int getNumFiles() const { return static_cast<int>(entries.size()); }
    // The name of entry i; empty outside the directory.
    FGString getFileName(int i) const;

    // Decodes one entry's data (properties, dictionary size, decoded size,
    // LZMA stream): a new buffer, or into `into` (returned); null on any fault.
    static std::unique_ptr<FGData> uncompress(FGData const& packed);
    static FGData* uncompress(FGData const& packed, FGData* into);

private:
    struct Entry {
        FGString name;
        int storedSize;
        int size;
        int offset;
    };

    // Parses the header and directory in `header`; the entries must lie
    // within an archive of `archiveLength` bytes.
    bool readDirectory(FGData& header, int archiveLength);
    // The stored bytes of the named entry, checked against its directory record.
    bool readPacked(char const* name, FGData& packed) const;
    void reset();

    std::vector<Entry> entries;
    FGString archiveName;
    FGData* memory = nullptr;
};

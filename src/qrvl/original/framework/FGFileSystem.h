// The framework's door to files: reads look in its pak archives first and
// then in the virtual file system; every write carries a CRC-32 trailer
// (four bytes, least significant first) and replaces the old file only once
// the new one is complete.
#pragma once

#include "qrvl/original/framework/FGString.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

class FGData;
class FGPakReader;

class FGFileSystem {
public:
    // The primary pak and at most four more archives are searched.
    static constexpr int kMaxPakReaders = 5;
    // The id under which init() adds the primary pak.
    static constexpr int kPrimaryPakId = 99999;
    static constexpr int kTrailerBytes = 4;
    // A file that fails its check is kept under its name with this appended.
    static constexpr char const* kDamagedSuffix = ".bad";

    // Whether the user's folder takes writes at all; set at start.
    static void SetUserFolderWritable(bool writable) { userFolderWritable = writable; }
    static bool UserFolderWritable() { return userFolderWritable; }

    FGFileSystem();
    ~FGFileSystem();
    FGFileSystem(FGFileSystem const&) = delete;
    FGFileSystem& operator=(FGFileSystem const&) = delete;

    // The archive init() opens; "res.pak" until changed.
    void brewSetPrimaryPakName(char const* name) { primaryPakName.set(name); }
    // Adds a reader of the primary pak, empty when that archive is missing.
    void init();

    // Takes the reader; false (and the reader dropped) when all slots are taken.
    bool addPakReader(std::unique_ptr<FGPakReader> reader, int id);
    // Deletes the first reader of that id, keeping the others in order;
    // returns how many remain.
    int removePakReader(int id);
    int getNumPakReaders() const { return static_cast<int>(paks.size()); }

    // The whole file from the first pak that yields it, else from the
    // virtual file system; null when neither has it.
    std::unique_ptr<FGData> getFile(char const* name) const;
    // The whole file from the virtual file system alone, or null.
    static std::unique_ptr<FGData> ReadFromVfs(char const* name);
    // The whole file read into `into` (returned), or null.
    FGData* getFile(char const* name, FGData* into) const;
    // The length in bytes (decoded, for an archived file), or -1.
    int getFileLength(char const* name) const;
    bool fileExists(char const* name) const { return getFileLength(name) != -1; }

    // Replaces the file with the data's bytes and their trailer, durably;
    // without data an empty file (no trailer). False when the file could not
    // be written: the old file is then left byte for byte.
    bool putFile(char const* name, FGData const* data);
    // The same for `length` bytes of the data from `offset`.
    bool putFile(char const* name, FGData const* data, int offset, int length);

    static uint32_t CalculateChecksum(unsigned char const* bytes, int n);
    // True for a file whose trailer matches its body; a missing, short or
    // damaged file is replaced by an empty one and false is returned. The
    // bytes of a damaged file are first copied to its ".bad" file; when
    // that copy cannot be written, the damaged file is left whole.
    bool CheckFileIntegrity(char const* name);
    // Copies the bytes of a damaged file to its ".bad" file, so a player's
    // game or settings can still be mended by hand; false when that copy
    // cannot be written.
    static bool KeepDamagedCopy(char const* name, unsigned char const* bytes, int length);
    // True once for a file whose damaged bytes were kept aside: the player
    // is told of it once.
    static bool TakeDamageNotice(char const* name);
    // There is no space limit to check on this platform.
    bool brewVerifySaveSpace(int) const { return true; }

private:
    static std::set<std::string>& damagedFiles();
    static inline bool userFolderWritable = true;
    struct Pak {
        int id;
        std::unique_ptr<FGPakReader> reader;
    };

    std::vector<Pak> paks;
    FGString primaryPakName;
};

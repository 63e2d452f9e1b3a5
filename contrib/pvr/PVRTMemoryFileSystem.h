// Files registered in memory, the fallback of every resource file the
// virtual file system cannot supply.
#pragma once

class CPVRTMemoryFileSystem {
public:
    // Only registers, so that a static object can add a file at start-up.
    CPVRTMemoryFileSystem(char const* name, void const* data, unsigned long size, bool copy = false);

    // Appends a record; with copy the name and data are owned copies.
    static void RegisterMemoryFile(char const* name, void const* data, unsigned long size, bool copy = false);
    // The first record of that name; data and size go through whichever
    // pointer is not null. False, outputs untouched, when none matches.
    static bool GetFile(char const* name, void const** data, unsigned long* size);
    static int GetNumFiles();
    // Null for an index outside the records.
    static char const* GetFilename(int i);

private:
    struct SFileInfo {
        char const* pszFilename;
        void const* pBuffer;
        unsigned long Size;
        bool bAllocated;
    };

    // Frees the table and the owned copies at program exit.
    class CAtExit {
    public:
        ~CAtExit();
    };

    static SFileInfo* s_pFileInfo;
    static int s_i32NumFiles;
    static int s_i32Capacity;
    static CAtExit s_AtExit;
};

// A whole file in memory, read through the virtual file system or found
// among the memory files; the data is zero-terminated so text reads as a
// string.
#pragma once

#include "contrib/pvr/PVRTString.h"

#include <cstddef>

class CPVRTResourceFile {
public:
    // While one lives, the buffer of a closed file is kept for the next
    // read, so a run of reads (a load) touches fresh pages only to grow it:
    // each fresh large buffer costs a page fault per page. The kept buffer
    // is freed when the last one ends.
    class ReuseBuffers {
    public:
        ReuseBuffers();
        ~ReuseBuffers();
        ReuseBuffers(ReuseBuffers const&) = delete;
        ReuseBuffers& operator=(ReuseBuffers const&) = delete;
    };

    // Reads the whole file (the read path, then the name); test IsOpen().
    explicit CPVRTResourceFile(char const* name);
    // Wraps the caller's buffer without copying it.
    CPVRTResourceFile(char const* data, unsigned long size);
    virtual ~CPVRTResourceFile();
    CPVRTResourceFile(CPVRTResourceFile const&) = delete;
    CPVRTResourceFile& operator=(CPVRTResourceFile const&) = delete;

    void Close();
    bool IsOpen() const { return m_bOpen; }
    bool IsMemoryFile() const { return m_bMemoryFile; }
    size_t Size() const { return m_Size; }
    void const* DataPtr() const { return m_pData; }
    char const* StringPtr() const { return reinterpret_cast<char const*>(m_pData); }

    // The prefix put in front of every name; a null path clears it.
    static void SetReadPath(char const* path);
    static CPVRTString GetReadPath();

private:
    bool m_bOpen;
    bool m_bMemoryFile;
    size_t m_Size;
    size_t m_Capacity; // of an owned buffer
    unsigned char const* m_pData;

    static CPVRTString s_ReadPath;
};

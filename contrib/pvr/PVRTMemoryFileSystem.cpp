// The table of files registered in memory.
#include "contrib/pvr/PVRTMemoryFileSystem.h"

#include <cstring>

namespace {
// The table grows by this many records at a time.
constexpr int kCapacityStep = 10;
} // namespace

CPVRTMemoryFileSystem::SFileInfo* CPVRTMemoryFileSystem::s_pFileInfo = nullptr;
int CPVRTMemoryFileSystem::s_i32NumFiles = 0;
int CPVRTMemoryFileSystem::s_i32Capacity = 0;
CPVRTMemoryFileSystem::CAtExit CPVRTMemoryFileSystem::s_AtExit;

CPVRTMemoryFileSystem::CAtExit::~CAtExit()
{
    for (int i = 0; i < s_i32NumFiles; ++i) {
        if (s_pFileInfo[i].bAllocated) {
            delete[] s_pFileInfo[i].pszFilename;
            delete[] static_cast<char const*>(s_pFileInfo[i].pBuffer);
        }
    }
    delete[] s_pFileInfo;
    s_pFileInfo = nullptr;
    s_i32NumFiles = s_i32Capacity = 0;
}

CPVRTMemoryFileSystem::CPVRTMemoryFileSystem(char const* name, void const* data, unsigned long size, bool copy)
{
    RegisterMemoryFile(name, data, size, copy);
}

void CPVRTMemoryFileSystem::RegisterMemoryFile(char const* name, void const* data, unsigned long size, bool copy)
{
    if (s_i32NumFiles == s_i32Capacity) {
        SFileInfo* grown = new SFileInfo[static_cast<size_t>(s_i32Capacity + kCapacityStep)];
        if (s_pFileInfo)
            std::memcpy(grown, s_pFileInfo, sizeof(SFileInfo) * static_cast<size_t>(s_i32NumFiles));
        delete[] s_pFileInfo;
        s_pFileInfo = grown;
        s_i32Capacity += kCapacityStep;
    }
    SFileInfo& record = s_pFileInfo[s_i32NumFiles];
    if (copy) {
        size_t const nameBytes = std::strlen(name) + 1;
        char* nameCopy = new char[nameBytes];
        std::memcpy(nameCopy, name, nameBytes);
        char* dataCopy = new char[size ? size : 1];
        if (size)
            std::memcpy(dataCopy, data, size);
        record.pszFilename = nameCopy;
        record.pBuffer = dataCopy;
    } else {
        record.pszFilename = name;
        record.pBuffer = data;
    }
    record.Size = size;
    record.bAllocated = copy;
    ++s_i32NumFiles;
}

bool CPVRTMemoryFileSystem::GetFile(char const* name, void const** data, unsigned long* size)
{
    for (int i = 0; i < s_i32NumFiles; ++i) {
        if (std::strcmp(s_pFileInfo[i].pszFilename, name) == 0) {
            if (data)
                *data = s_pFileInfo[i].pBuffer;
            if (size)
                *size = s_pFileInfo[i].Size;
            return true;
        }
    }
    return false;
}

int CPVRTMemoryFileSystem::GetNumFiles()
{
    return s_i32NumFiles;
}

char const* CPVRTMemoryFileSystem::GetFilename(int i)
{
    if (i < 0 || i >= s_i32NumFiles)
        return nullptr;
    return s_pFileInfo[i].pszFilename;
}

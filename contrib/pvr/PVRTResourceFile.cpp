// Whole-file reads through the virtual file system.
#include "contrib/pvr/PVRTResourceFile.h"

#include "contrib/pvr/PVRTMemoryFileSystem.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/Vfs.h"

#include <mutex>
#include <new>
#include <utility>

CPVRTString CPVRTResourceFile::s_ReadPath;

namespace {

// The buffer kept while ReuseBuffers live; files may be read on several
// threads.
struct SpareBuffer {
    std::mutex mutex;
    int holders = 0;
    unsigned char* data = nullptr;
    size_t capacity = 0;
};

SpareBuffer& Spare()
{
    static SpareBuffer spare;
    return spare;
}

// At least `bytes`: the kept buffer when it is large enough, else a new one.
unsigned char* TakeBuffer(size_t bytes, size_t& capacity)
{
    SpareBuffer& spare = Spare();
    {
        std::lock_guard<std::mutex> lock(spare.mutex);
        if (spare.data && spare.capacity >= bytes) {
            capacity = std::exchange(spare.capacity, 0);
            return std::exchange(spare.data, nullptr);
        }
    }
    capacity = bytes;
    return new (std::nothrow) unsigned char[bytes];
}

// Keeps the larger of the buffer and the kept one while reuse is on.
void GiveBack(unsigned char* data, size_t capacity)
{
    SpareBuffer& spare = Spare();
    {
        std::lock_guard<std::mutex> lock(spare.mutex);
        if (spare.holders > 0 && capacity > spare.capacity) {
            std::swap(data, spare.data);
            std::swap(capacity, spare.capacity);
        }
    }
    delete[] data;
}

} // namespace

CPVRTResourceFile::ReuseBuffers::ReuseBuffers()
{
    std::lock_guard<std::mutex> lock(Spare().mutex);
    ++Spare().holders;
}

CPVRTResourceFile::ReuseBuffers::~ReuseBuffers()
{
    SpareBuffer& spare = Spare();
    unsigned char* kept = nullptr;
    {
        std::lock_guard<std::mutex> lock(spare.mutex);
        if (--spare.holders == 0) {
            kept = std::exchange(spare.data, nullptr);
            spare.capacity = 0;
        }
    }
    delete[] kept;
}

CPVRTResourceFile::CPVRTResourceFile(char const* name)
    : m_bOpen(false),
      m_bMemoryFile(false),
      m_Size(0),
      m_Capacity(0),
      m_pData(nullptr)
{
    CPVRTString const path = s_ReadPath + name;
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(path.c_str()));
    if (file) {
        int const length = file->GetLength();
        if (length >= 0) {
            size_t const size = static_cast<size_t>(length);
            size_t capacity = 0;
            unsigned char* buffer = TakeBuffer(size + 1, capacity);
            if (buffer) {
                buffer[size] = 0;
                int got = 0;
                for (int piece; got < length && (piece = file->Read(buffer + got, length - got)) > 0;)
                    got += piece;
                // A short read counts as a missing file.
                if (got == length) {
                    m_pData = buffer;
                    m_Size = size;
                    m_Capacity = capacity;
                    m_bOpen = true;
                } else {
                    GiveBack(buffer, capacity);
                }
            }
        }
    }
    if (!m_bOpen) {
        void const* data = nullptr;
        unsigned long size = 0;
        if (CPVRTMemoryFileSystem::GetFile(name, &data, &size)) {
            m_pData = static_cast<unsigned char const*>(data);
            m_Size = size;
            m_bOpen = true;
            m_bMemoryFile = true;
        }
    }
}

CPVRTResourceFile::CPVRTResourceFile(char const* data, unsigned long size)
    : m_bOpen(true),
      m_bMemoryFile(true),
      m_Size(size),
      m_Capacity(0),
      m_pData(reinterpret_cast<unsigned char const*>(data))
{
}

CPVRTResourceFile::~CPVRTResourceFile()
{
    Close();
}

void CPVRTResourceFile::Close()
{
    if (m_bOpen && !m_bMemoryFile)
        GiveBack(const_cast<unsigned char*>(m_pData), m_Capacity);
    m_bOpen = false;
    m_bMemoryFile = false;
    m_pData = nullptr;
    m_Size = 0;
    m_Capacity = 0;
}

void CPVRTResourceFile::SetReadPath(char const* path)
{
    s_ReadPath = path ? path : "";
}

CPVRTString CPVRTResourceFile::GetReadPath()
{
    return s_ReadPath;
}

// Whole-file reads through the virtual file system.
#include "contrib/pvr/PVRTResourceFile.h"

#include "contrib/pvr/PVRTMemoryFileSystem.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/Vfs.h"

#include <new>

CPVRTString CPVRTResourceFile::s_ReadPath;

CPVRTResourceFile::CPVRTResourceFile(char const* name)
    : m_bOpen(false),
      m_bMemoryFile(false),
      m_Size(0),
      m_pData(nullptr)
{
    CPVRTString const path = s_ReadPath + name;
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(path.c_str()));
    if (file) {
        int const length = file->GetLength();
        if (length >= 0) {
            size_t const size = static_cast<size_t>(length);
            unsigned char* buffer = new (std::nothrow) unsigned char[size + 1];
            if (buffer) {
                buffer[size] = 0;
                int got = 0;
                for (int piece; got < length && (piece = file->Read(buffer + got, length - got)) > 0;)
                    got += piece;
                // A short read counts as a missing file.
                if (got == length) {
                    m_pData = buffer;
                    m_Size = size;
                    m_bOpen = true;
                } else {
                    delete[] buffer;
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
        delete[] m_pData;
    m_bOpen = false;
    m_bMemoryFile = false;
    m_pData = nullptr;
    m_Size = 0;
}

void CPVRTResourceFile::SetReadPath(char const* path)
{
    s_ReadPath = path ? path : "";
}

CPVRTString CPVRTResourceFile::GetReadPath()
{
    return s_ReadPath;
}

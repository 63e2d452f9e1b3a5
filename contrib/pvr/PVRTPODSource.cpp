// The POD reader's byte source over a resource file.
#include "contrib/pvr/PVRTPODSource.h"

#include "contrib/pvr/PVRTResourceFile.h"

#include <climits>

CSourceStream::CSourceStream() : m_pFile(nullptr), m_BytesRead(0)
{
}

CSourceStream::~CSourceStream()
{
    delete m_pFile;
}

bool CSourceStream::Keep(CPVRTResourceFile* file)
{
    delete m_pFile;
    m_pFile = nullptr;
    m_BytesRead = 0;
    if (!file->IsOpen()) {
        delete file;
        return false;
    }
    m_pFile = file;
    return true;
}

bool CSourceStream::Init(char const* fileName)
{
    return Keep(new CPVRTResourceFile(fileName));
}

bool CSourceStream::Init(char const* data, unsigned long size)
{
    return Keep(new CPVRTResourceFile(data, size));
}

unsigned int CSourceStream::BytesLeft() const
{
    if (!m_pFile)
        return 0;
    size_t const left = m_pFile->Size() - m_BytesRead;
    return left > UINT_MAX ? UINT_MAX : static_cast<unsigned int>(left);
}

bool CSourceStream::Read(void* dest, unsigned int n)
{
    if (n == 0)
        return true;
    if (n > BytesLeft())
        return false;
    std::memcpy(dest, static_cast<unsigned char const*>(m_pFile->DataPtr()) + m_BytesRead, n);
    m_BytesRead += n;
    return true;
}

bool CSourceStream::Skip(unsigned int n)
{
    if (n > BytesLeft())
        return false;
    m_BytesRead += n;
    return true;
}

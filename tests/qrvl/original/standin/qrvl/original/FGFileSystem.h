// Temporary stand-in for the framework's file system until it lands.
#pragma once
#include "qrvl/original/FGData.h"

#include "norv/base/CRC32.h"
#include "norv/base/SmartPtr.h"
#include "norv/vfs/Vfs.h"

#include <memory>
#include <vector>

class FGFileSystem {
public:
    std::unique_ptr<FGData> getFile(char const* name) const
    {
        Norv::SmartPtr<Norv::File> file(Norv::OpenFile(name));
        if (!file)
            return nullptr;
        int length = file->GetLength();
        std::vector<unsigned char> bytes(length > 0 ? length : 0);
        if (length > 0 && file->Read(bytes.data(), length) != length)
            return nullptr;
        std::unique_ptr<FGData> data(new FGData);
        data->duplicate(bytes.data(), length);
        return data;
    }
    bool putFile(char const* name, FGData const* data)
    {
        Norv::SmartPtr<Norv::File> file(Norv::VfsCreateFile(name));
        if (!file)
            return false;
        if (!data)
            return true;
        unsigned crc = Norv::CRC32::WholeBlock(data->getData(), data->getLength());
        unsigned char trailer[4] = {static_cast<unsigned char>(crc), static_cast<unsigned char>(crc >> 8),
                                    static_cast<unsigned char>(crc >> 16), static_cast<unsigned char>(crc >> 24)};
        return file->Write(data->getData(), data->getLength()) == data->getLength() && file->Write(trailer, 4) == 4;
    }
};

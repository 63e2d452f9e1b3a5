// One entry of a pak archive, read through the archive's shared stream.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/File.h"
#include "norv/vfs/FileDesc.h"

namespace Norv {

class PakMount;

class VirtualFile : public File {
public:
    VirtualFile(PakMount* mount, FileDesc const* entry);

    int Read(void* buffer, int bytes) override;
    int Write(void const*, int) override { return 0; }
    // Clamped to the entry; an unknown mode keeps the position.
    bool Seek(int offset, SeekMode mode) override;
    int Tell() override { return position; }
    // -1 once closed.
    int GetLength() override;
    // Forgets the entry; the archive stays alive until the file dies.
    virtual bool Close();

private:
    SmartPtr<PakMount> mount;
    FileDesc const* entry;
    int position = 0;
};

} // namespace Norv

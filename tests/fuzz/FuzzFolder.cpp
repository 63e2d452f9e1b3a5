#include "FuzzFolder.h"

#include "norv/vfs/Vfs.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <unistd.h>

namespace FuzzFolder {

namespace {

class Folder {
public:
    Folder()
    {
        char pattern[] = "/tmp/quorvel-fuzz-XXXXXX";
        if (!mkdtemp(pattern)) {
            std::perror("mkdtemp");
            std::abort();
        }
        path = std::string(pattern) + "/";
        Norv::Vfs::Initialize();
        Norv::MountNative(path, "", 1);
    }
    ~Folder()
    {
        Norv::Vfs::Shutdown();
        for (std::string const& name : written)
            unlink((path + name).c_str());
        rmdir(path.c_str());
    }

    std::string path;
    std::set<std::string> written;
};

Folder& TheFolder()
{
    static Folder folder;
    return folder;
}

} // namespace

std::string const& Path()
{
    return TheFolder().path;
}

std::string Write(char const* name, uint8_t const* data, size_t size)
{
    Folder& folder = TheFolder();
    std::string const full = folder.path + name;
    FILE* file = std::fopen(full.c_str(), "wb");
    if (!file || (size && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
        std::perror(full.c_str());
        std::abort();
    }
    folder.written.insert(name);
    return full;
}

} // namespace FuzzFolder

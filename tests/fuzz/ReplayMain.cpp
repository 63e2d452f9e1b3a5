// Replays inputs through a fuzz harness in builds without libFuzzer: each
// argument is a file, or a folder whose files are replayed in name order.
// CI runs every seed and every saved crash this way.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

bool IsFolder(std::string const& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The files to replay: a folder's regular files sorted by name, so a
// failure names the same input on every machine.
std::vector<std::string> Inputs(std::string const& path)
{
    if (!IsFolder(path))
        return {path};
    std::vector<std::string> files;
    if (DIR* folder = opendir(path.c_str())) {
        while (dirent* entry = readdir(folder)) {
            std::string const full = path + "/" + entry->d_name;
            if (entry->d_name[0] != '.' && !IsFolder(full))
                files.push_back(full);
        }
        closedir(folder);
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (std::string const& file : Inputs(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "cannot read %s\n", file.c_str());
                return 1;
            }
            std::vector<uint8_t> const bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            std::fprintf(stderr, "replaying %s (%zu bytes)\n", file.c_str(), bytes.size());
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}

// The step-wise resource loader.
#include "qrvl/original/framework/FGResLoader.h"

#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGImage.h"
#include "qrvl/original/framework/PresentationHooks.h"

#include <algorithm>

namespace {

// The length of a file the game can read, or 0 when there is none.
long long FileLength(char const* name)
{
    FGEngine* engine = FGEngine::getEngine();
    return engine ? std::max(engine->getFileSystem().getFileLength(name), 0) : 0;
}

Norv::NarrowString CutsName(char const* image, char const* cutFile)
{
    return Norv::NarrowString(image) + ":" + cutFile;
}

} // namespace

FGResLoader::~FGResLoader() = default;

void FGResLoader::init(int newCapacity)
{
    capacity = std::max(newCapacity, 0);
    entries.reserve(static_cast<size_t>(capacity));
}

int FGResLoader::find(char const* name) const
{
    for (int i = 0; i < count(); ++i) {
        if (entries[static_cast<size_t>(i)].name == name)
            return i;
    }
    return -1;
}

void FGResLoader::registerResource(char const* name, int type, int param)
{
    if (!name)
        return;
    if (count() >= capacity) {
        if (capacity != 0) {
            FGEngine::fatal("Too many images registered for FGResLoader. Try FGResLoader::init(max resources)");
            return;
        }
        init();
    }
    if (*name) {
        int const existing = find(name);
        if (existing >= 0) {
            entries[static_cast<size_t>(existing)].wanted = true;
            return;
        }
    }
    Entry entry;
    entry.name = name;
    entry.type = type;
    entry.param = param;
    entry.wanted = true;
    entries.push_back(std::move(entry));
    if (type != TypeCuts)
        totalBytes += FileLength(name);
}

void FGResLoader::registerCuts(char const* image, char const* cutFile)
{
    registerResource(CutsName(image, cutFile).c_str(), TypeCuts, -1);
}

Norv::NarrowString FGResLoader::setMemberName(char const* prefix, char const* suffix, int number, bool padToTwoDigits)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, padToTwoDigits ? "%02d" : "%d", number);
    return Norv::NarrowString(prefix) + digits + suffix;
}

void FGResLoader::registerImageSet(char const* prefix, char const* suffix, int setCount, bool padToTwoDigits,
                                   bool zeroBased)
{
    int const first = zeroBased ? 0 : 1;
    for (int number = first; number < first + setCount; ++number)
        registerImage(setMemberName(prefix, suffix, number, padToTwoDigits).c_str());
}

void FGResLoader::load(Entry& entry)
{
    switch (entry.type) {
    case TypeImage:
        entry.image.reset(FGImage::createImage(entry.name.c_str()));
        break;
    case TypeCuts:
        loadCuts(entry);
        break;
    case TypeSound:
        if (FGEngine* engine = FGEngine::getEngine())
            engine->getSoundManager().registerSound(entry.name.c_str(), entry.param);
        break;
    default:
        if (entry.type >= TypeFirstWorldStep && entry.type <= TypeLastWorldStep)
            PresentationHooks::Get().LoadWorldStep(entry.type, entry.param);
        break;
    }
}

void FGResLoader::loadCuts(Entry& entry)
{
    size_t const colon = entry.name.find(':');
    Norv::NarrowString const image = entry.name.substr(0, colon);
    Norv::NarrowString const cutFile = colon == Norv::NarrowString::npos ? "" : entry.name.substr(colon + 1);
    entry.image.reset(FGImage::createImage(image.c_str()));
    entry.cuts.reset(new FGCuts);
    FGEngine* engine = FGEngine::getEngine();
    if (engine)
        entry.cuts->init(engine->getFileSystem(), entry.image->getWidth(), entry.image->getHeight(), cutFile.c_str());
}

void FGResLoader::loadNextResource()
{
    if (next >= count())
        return;
    Entry& entry = entries[static_cast<size_t>(next)];
    load(entry);
    if (entry.type != TypeCuts)
        loadedBytes += FileLength(entry.name.c_str());
    ++next;
}

void FGResLoader::loadAllResources()
{
    while (!allResourcesLoaded())
        loadNextResource();
}

int FGResLoader::getProgress(int kind) const
{
    long long progress = 0;
    if (kind == ProgressByCount)
        progress = count() == 0 ? 100 : next * 100LL / count();
    else if (kind == ProgressByBytes)
        progress = totalBytes == 0 ? 100 : loadedBytes * 100 / totalBytes;
    return static_cast<int>(std::clamp<long long>(progress, 0, 100));
}

FGImage* FGResLoader::getImage(char const* name) const
{
    int const index = getFilenameIdx(name, TypeImage);
    if (index < 0) {
        FGEngine::fatal((Norv::NarrowString("FGResLoader.getImage >>> requested image not registered:") + name).c_str());
        return nullptr;
    }
    return entries[static_cast<size_t>(index)].image.get();
}

FGImage* FGResLoader::getImageFromSet(char const* prefix, char const* suffix, int index, bool padToTwoDigits,
                                      bool zeroBased) const
{
    return getImage(setMemberName(prefix, suffix, zeroBased ? index : index + 1, padToTwoDigits).c_str());
}

FGCuts const* FGResLoader::getCuts(char const* image, char const* cutFile) const
{
    Norv::NarrowString const name = CutsName(image, cutFile);
    int const index = getFilenameIdx(name.c_str(), TypeCuts);
    if (index < 0) {
        FGEngine::fatal(("FGResLoader.getCuts >>> requested cuts not registered:  " + name).c_str());
        return nullptr;
    }
    return entries[static_cast<size_t>(index)].cuts.get();
}

int FGResLoader::getFilenameIdx(char const* name, int type) const
{
    int const index = find(name);
    return index >= 0 && entries[static_cast<size_t>(index)].type == type ? index : -1;
}

bool FGResLoader::isResourceLoaded(char const* name) const
{
    return find(name) >= 0;
}

void FGResLoader::setImage(FGImage* image, int index)
{
    if (index >= 0 && index < count())
        entries[static_cast<size_t>(index)].image.reset(image);
}

void FGResLoader::debugOutputResourceList() const
{
    FGEngine::fatal("debugOutputImageList not supported in Brew.");
}

void FGResLoader::clear()
{
    entries.clear();
    next = 0;
    loadedBytes = totalBytes = 0;
}

void FGResLoader::beginRegistration()
{
    for (int i = 0; i < next && i < count(); ++i)
        entries[static_cast<size_t>(i)].wanted = false;
}

void FGResLoader::endRegistration()
{
    // Only loaded entries lose their mark, so every dropped entry was loaded.
    auto const kept = std::remove_if(entries.begin(), entries.end(), [](Entry const& entry) { return !entry.wanted; });
    next -= static_cast<int>(entries.end() - kept);
    entries.erase(kept, entries.end());
}

// A registry of named resources loaded one step at a time, so that a game
// loads behind its loading screen one resource per tick and shows the
// progress.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "qrvl/original/framework/FGCuts.h"
#include "qrvl/original/framework/FGImage.h"

#include <memory>
#include <vector>


class FGResLoader {
public:
    enum ResourceType {
        TypeImage = 1,
        TypeSound = 2,
        TypeCuts = 3,
        // Types 4 to 14 are the 3D world's loading steps.
        TypeFirstWorldStep = 4,
        TypeLastWorldStep = 14,
    };
    enum ProgressKind {
        ProgressByCount = 0,
        ProgressByBytes = 1,
    };

    // The room a loader made without a size gets at its first registration.
    static constexpr int kDefaultCapacity = 128;

    ~FGResLoader();

    void init(int capacity = kDefaultCapacity);

    // A name registered before is only wanted again, whatever its type.
    void registerResource(char const* name, int type, int param);
    void registerImage(char const* name) { registerResource(name, TypeImage, -1); }
    void registerSound(char const* name, int id) { registerResource(name, TypeSound, id); }
    void registerCuts(char const* image, char const* cutFile);
    void registerImageSet(char const* prefix, char const* suffix, int count, bool padToTwoDigits, bool zeroBased);

    void loadNextResource();
    void loadAllResources();
    bool allResourcesLoaded() const { return next >= count(); }
    // 0 to 100.
    int getProgress(int kind) const;

    FGImage* getImage(char const* name) const;
    FGImage* getImageFromSet(char const* prefix, char const* suffix, int index, bool padToTwoDigits,
                             bool zeroBased) const;
    // The cut set registered for the image and cut file, or null.
    FGCuts const* getCuts(char const* image, char const* cutFile) const;
    // The entry of that name and type, or -1.
    int getFilenameIdx(char const* name, int type) const;
    bool isResourceLoaded(char const* name) const;
    void setImage(FGImage* image, int index);
    void setNumLoadedResources(int n) { next = n; }
    void debugOutputResourceList() const;
    // Forgets every entry; the room stays.
    void clear();

    // Re-registration: entries not registered again are dropped at the end.
    void beginRegistration();
    void endRegistration();

    int count() const { return static_cast<int>(entries.size()); }
    int getCapacity() const { return capacity; }

    // The name of set member `number`, numbered as registerImageSet does.
    static Norv::NarrowString setMemberName(char const* prefix, char const* suffix, int number, bool padToTwoDigits);

private:
    struct Entry {
        Norv::NarrowString name;
        int type = -1;
        int param = -1;
        bool wanted = false;
        std::unique_ptr<FGImage> image;
        std::unique_ptr<FGCuts> cuts;
    };

    int find(char const* name) const;
    void load(Entry& entry);
    // The sheet image before the colon and the cut file after it.
    void loadCuts(Entry& entry);

    std::vector<Entry> entries;
    int capacity = 0;
    int next = 0;
    long long loadedBytes = 0;
    long long totalBytes = 0;
};

// Reading key = value files and looking up localised texts.
#include "qrvl/original/framework/FGStringManager.h"

#include "norv/base/TextDict.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGFileSystem.h"

#include <memory>
#include <mutex>
#include <set>
#include <string>

namespace {

// Every text handed out, kept once each, so that a returned pointer stays
// valid after a change of language. Games played on several threads at once
// (the simulator's) write money and look texts up together.
char const* Keep(std::string const& text)
{
    static std::mutex guard;
    static std::set<std::string> kept;
    std::lock_guard<std::mutex> lock(guard);
    return kept.insert(text).first->c_str();
}

FGString UnescapeLineFeeds(FGString const& value)
{
    FGString result;
    for (int i = 0; i < value.getLength(); ++i) {
        if (value.charAt(i) == '\\' && value.charAt(i + 1) == 'n') {
            result.add('\n');
            ++i;
        } else {
            result.addBrewString(value.getNativeString() + i, 1);
        }
    }
    return result;
}

} // namespace

bool FGStringManager::init(FGFileSystem& files, char const* fileName)
{
    keys.clear();
    values.clear();
    hashes.clear();
    std::unique_ptr<FGData> file = files.getFile(fileName);
    if (!file)
        return false;
    FGString::unicodeToAscii(file.get());
    FGString const text(file.get());
    for (int start = 0; start < text.getLength();) {
        int end = start;
        while (end < text.getLength() && text.charAt(end) != '\n' && text.charAt(end) != '\r')
            ++end;
        FGString const line = text.substring(start, end);
        start = end + 1;
        int const equals = line.indexOf('=');
        if (line.startsWith("//") || equals < 0)
            continue;
        keys.push_back(line.substring(0, equals).trim());
        values.push_back(UnescapeLineFeeds(line.substring(equals + 1).trim()));
        hashes.push_back(keys.back().getHash());
    }
    return true;
}

int FGStringManager::getStrIdx(char const* key) const
{
    int const hash = FGString::getHash(key);
    for (size_t i = 0; i < keys.size(); ++i)
        if (hashes[i] == hash && keys[i].equals(key))
            return static_cast<int>(i);
    return -1;
}

FGString FGStringManager::getKey(int i) const
{
    return (i >= 0 && i < getCount()) ? keys[static_cast<size_t>(i)] : FGString();
}

FGString FGStringManager::getValue(int i) const
{
    return (i >= 0 && i < getCount()) ? values[static_cast<size_t>(i)] : FGString();
}

char const* FGStringManager::getString(char const* key)
{
    if (!key)
        return Keep("");
    if (!Norv::g_textDict)
        return Keep(key);
    return Keep(Norv::NarrowString(Norv::g_textDict->GetText(key)));
}

FGString FGStringManager::getFGString(char const* key)
{
    return FGString(getString(key));
}

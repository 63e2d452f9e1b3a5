// The engine's one cache of loaded assets.
#include "norv/base/AssetDict.h"

namespace Norv {

SmartPtr<AssetDict> g_assetDict;

AssetDict::~AssetDict()
{
    // Kept assets die first, so the weak entries see them gone.
    keptEntries.clear();
    weakEntries.clear();
}

void AssetDict::SplitOptions(NarrowString const& name, NarrowString& file, NarrowString& options)
{
    std::size_t const at = name.rfind('@');
    if (at == NarrowString::npos) {
        file = name;
        options.clear();
        return;
    }
    file = name.substr(0, at);
    options = name.substr(at + 1);
}

} // namespace Norv

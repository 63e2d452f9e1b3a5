// The console's listings of the engine's shared services.
#include "norv/application/console/ConsoleListings.h"

#include "norv/base/AssetDict.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"

#include <cstdio>
#include <set>

namespace Norv {

namespace {

constexpr char const kIndent[] = "  ";

NarrowString KeyValue(RegistryKey const& key)
{
    Any const value = key.GetData();
    char text[64];
    if (bool const* flag = value.Cast<bool>())
        return *flag ? "true" : "false";
    if (int const* number = value.Cast<int>()) {
        std::snprintf(text, sizeof text, "%i", *number);
        return text;
    }
    if (float const* number = value.Cast<float>()) {
        std::snprintf(text, sizeof text, "%f", static_cast<double>(*number));
        return text;
    }
    if (NarrowString const* string = value.Cast<NarrowString>())
        return "\"" + *string + "\"";
    return "(empty)";
}

void ListNode(RegistryNode const& node, NarrowString const& indent, NarrowString& out)
{
    for (auto const& [name, key] : node.keys)
        out += indent + name + ": " + KeyValue(*key) + "\n";
    for (auto const& [name, child] : node.children) {
        out += indent + name + "\n";
        ListNode(*child, indent + kIndent, out);
    }
}

} // namespace

NarrowString ListAssets(AssetDict const& assets)
{
    std::set<AssetDict::Key> all;
    for (auto const& entry : assets.GetWeakEntries())
        all.insert(entry.first);
    for (auto const& entry : assets.GetKeptEntries())
        all.insert(entry.first);
    NarrowString out = "Assets maintained by AssetDict:\n";
    int held = 0;
    for (AssetDict::Key const& key : all) {
        bool const isHeld = assets.GetKeptEntries().count(key) != 0;
        held += isHeld ? 1 : 0;
        out += (isHeld ? "* " : "  ") + key.second + "\n";
    }
    char counts[64];
    std::snprintf(counts, sizeof counts, "Held/total: %i/%zu", held, all.size());
    return out + counts;
}

NarrowString ListRegistry(Registry& registry)
{
    NarrowString out = "root\n";
    if (RegistryNode const* root = registry.GetNode("/", false, false))
        ListNode(*root, kIndent, out);
    out.pop_back();
    return out;
}

NarrowString ListRegistryCallbacks(Registry const& registry)
{
    NarrowString out;
    for (Registry::RegistryCallback const& callback : registry.GetCallbacks()) {
        if (!callback.removed)
            out += callback.path + ": " + callback.description + "\n";
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

NarrowString ListTexts(TextDict const& texts)
{
    NarrowString out;
    for (auto const& [id, text] : texts.GetTexts())
        out += id + " -> " + NarrowString(text) + "\n";
    if (!out.empty())
        out.pop_back();
    return out;
}

} // namespace Norv

// A node of the registry tree: named keys and named child nodes.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/RegistryKey.h"

#include <map>
#include <memory>

namespace Norv {

class RegistryNode {
public:
    RegistryNode() = default;
    RegistryNode(RegistryNode const&) = delete;
    RegistryNode& operator=(RegistryNode const&) = delete;

    // The child of that name, made when missing and `create` is set.
    RegistryNode* GetChild(NarrowString const& name, bool create);

    // Both ordered by plain byte comparison of the names; saving walks them in
    // that order. Keys are declared last so that they die first.
    std::map<NarrowString, std::unique_ptr<RegistryNode>> children;
    std::map<NarrowString, std::unique_ptr<RegistryKey>> keys;
};

} // namespace Norv

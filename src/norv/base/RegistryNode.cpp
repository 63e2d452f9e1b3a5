// Finding and making child nodes.
#include "norv/base/RegistryNode.h"

namespace Norv {

RegistryNode* RegistryNode::GetChild(NarrowString const& name, bool create)
{
    auto found = children.find(name);
    if (found != children.end())
        return found->second.get();
    if (!create)
        return nullptr;
    return children.emplace(name, std::make_unique<RegistryNode>()).first->second.get();
}

} // namespace Norv

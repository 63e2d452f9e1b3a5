// The argument list of a call into a screen script: booleans, integers and
// texts, pushed in list order.
#pragma once

#include "norv/base/core/Any.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"

#include <vector>

namespace Lua {

class Arguments : public Norv::RefCounter {
public:
    enum Type { Bool = 0, Int = 1, String = 2 };

    struct Argument {
        Norv::Any value;
        Type type;
    };

    void Push(bool value) { arguments.push_back({Norv::Any(value), Bool}); }
    void Push(int value) { arguments.push_back({Norv::Any(value), Int}); }
    void Push(char const* value) { arguments.push_back({Norv::Any(Norv::NarrowString(value)), String}); }

    std::vector<Argument> const& GetArguments() const { return arguments; }

private:
    std::vector<Argument> arguments;
};

} // namespace Lua

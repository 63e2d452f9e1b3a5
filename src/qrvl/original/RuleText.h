// A text of the rules by string id with the values for its placeholders;
// the screens look it up and fill it in. An empty id stands for its
// arguments as they are (a player's name). Several make one message.
#pragma once

#include <string>
#include <vector>

struct RuleText {
    std::string id;
    std::vector<std::string> args;
};

using RuleMessage = std::vector<RuleText>;

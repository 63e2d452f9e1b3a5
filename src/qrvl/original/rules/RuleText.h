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

// The message as the player reads it: each part looked up in the texts and
// filled in with its values (those that are text ids looked up too), the
// parts joined by spaces.
std::string LocaliseRuleMessage(const RuleMessage& message);

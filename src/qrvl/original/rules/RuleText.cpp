// The rules' messages put into the player's language.
#include "qrvl/original/rules/RuleText.h"

#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/phone/text/CLocalise.h"

std::string LocaliseRuleMessage(const RuleMessage& message)
{
    std::string out;
    for (RuleText const& part : message) {
        if (!out.empty())
            out += ' ';
        if (part.id.empty()) {
            for (std::string const& arg : part.args)
                out += arg;
            continue;
        }
        // A value that is itself a text id (the kind of a card, a home)
        // reads in the language as well; names stand as they are.
        std::vector<char const*> args;
        for (std::string const& arg : part.args)
            args.push_back(FGStringManager::getString(arg.c_str()));
        out += CLocalise::Fill(FGStringManager::getString(part.id.c_str()), args.data(), static_cast<int>(args.size()));
    }
    return out;
}

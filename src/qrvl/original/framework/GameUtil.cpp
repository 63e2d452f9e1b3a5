// Formatting amounts of money with the localised separator and pattern.
#include "qrvl/original/framework/GameUtil.h"

#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/phone/text/CLocalise.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int64_t kGroup = 1000;

std::string Formatted(char const* format, int64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Groups of three digits from the right with the separator between them;
// the leading group without leading zeros.
std::string Grouped(int64_t amount, std::string const& separator)
{
    if (amount < kGroup)
        return Formatted("%" PRId64, amount);
    return Grouped(amount / kGroup, separator) + separator + Formatted("%03" PRId64, amount % kGroup);
}

// The digits of a magnitude: amounts under 100 take two digits and under
// 1000 three, as the game has always shown them.
std::string Digits(int64_t amount, std::string const& separator)
{
    if (amount == 0)
        return "0";
    if (amount < 100)
        return Formatted("%02" PRId64, amount);
    if (amount < kGroup)
        return Formatted("%03" PRId64, amount);
    return Grouped(amount, separator);
}

} // namespace

std::string GameUtil::getThousandSep()
{
    if (CLocalise::GetLocalise()->GetLanguage() == CLocalise::kFrench)
        return std::string();
    return FGStringManager::getString("S_1000_SEP");
}

std::string GameUtil::getMoneyString(int amount)
{
    int64_t const magnitude = std::llabs(int64_t{amount});
    std::string const digits = Digits(magnitude, getThousandSep());
    char const* const texts[] = {digits.c_str()};
    std::string const money = CLocalise::Fill(FGStringManager::getString("S_CURRENCY"), texts, 1);
    return amount < 0 ? "-" + money : money;
}

bool GameUtil::getMoneyString(int amount, char* buffer, int size)
{
    return size > 0 && CLocalise::CopyOut(getMoneyString(amount), buffer, static_cast<size_t>(size));
}

// The rows of the board's interaction table.
#include "qrvl/original/phone/world/BInteraction.h"

namespace {
char const kToggleInit[] = "BIModelToggleInit";
char const kToggleTapped[] = "BIModelToggleTapped";
char const kLightInit[] = "BILightToggleOnOffItemInit";
char const kLightTapped[] = "BILightToggleOnOffItemTapped";
} // namespace

BInteractionRow const board_interactions[kBoardInteractions] = {
    {nullptr, "snowMan1", "snowMan1_alt", "bi_snowman_tapped", kToggleInit, kToggleTapped, 0, 0},
    {nullptr, "goatHead", "goatHead_alt", "bi_goat_tapped", kToggleInit, kToggleTapped, 1, 0},
    {"basket", "bi_bball", "bi_bball_alt", "bi_bball_tapped", kToggleInit, kToggleTapped, 2, 0},
    {nullptr, "cabinA", "cabinA_glow", nullptr, kLightInit, kLightTapped, 6, 1},
    {nullptr, "cabinB", "cabinB_glow", nullptr, kLightInit, kLightTapped, 6, 1},
    {nullptr, "cabinC", "cabinC_glow", nullptr, kLightInit, kLightTapped, 6, 1},
    {nullptr, "cabinD1", "cabinD_glow", nullptr, kLightInit, kLightTapped, 6, 1},
    {nullptr, "church", nullptr, "bi_church_bell_tapped", nullptr, "BIChurchTapped", 7, 1},
    {nullptr, "golfLodge", "golfLodge_glow", "bi_golflodge_tapped", kLightInit, kLightTapped, 7, 1},
    {nullptr, "mountainShack", "mountainShack_glow", nullptr, kLightInit, kLightTapped, 6, 1},
    {nullptr, "skiShack", "skiShack_glow", nullptr, kLightInit, kLightTapped, 6, 1},
    {nullptr, "factory", nullptr, "bi_factory_tapped", nullptr, nullptr, 7, 1},
    {nullptr, "university", "university_glow", nullptr, kLightInit, kLightTapped, 6, 1},
    {nullptr, "mansion", "mansion_lit", "bi_mansion_tapped", "BILightToggleItemInit", "BIMoneyBagTapped", 7, 1},
    {nullptr, "retirementHome", "retirementHome_glow", nullptr, kLightInit, kLightTapped, 6, 1},
    {nullptr, "SUV", "SUV_alt", "car_honk", kToggleInit, kToggleTapped, 3, 0},
    {nullptr, "moneyBag", nullptr, "bi_mansion_tapped", nullptr, "BIMoneyBagTapped", 4, 1},
    {nullptr, "moneyBag1", nullptr, "bi_mansion_tapped", nullptr, "BIMoneyBagTapped", 4, 1},
    {nullptr, "tentBlue", nullptr, "bi_tent_tapped", nullptr, nullptr, 7, 1},
    {nullptr, "balloon", nullptr, "bi_balloon_tapped", nullptr, "BIBalloonTapped", 7, 1},
    {nullptr, "boat", "boat_alt", "bi_boat_tapped", kToggleInit, kToggleTapped, 5, 0},
    {nullptr, "rubberring", nullptr, "bi_rring_tapped", nullptr, "BIRubberRingTapped", 7, 1},
};

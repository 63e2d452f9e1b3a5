// The house table.
#include "qrvl/original/rules/HouseCard.h"

#include "qrvl/original/rules/RulesEngine.h"

namespace {

struct HouseRow {
    const char* textId;
    int price;
    int saleValue;
    const char* picture;
};

const HouseRow kHouses[HouseCard::kCount] = {
    {"S_MH", 80000, 80000, "menu/gfx/JNL_mobile_home.png@linear"},
    {"S_CND", 100000, 105000, "menu/gfx/JNL_condo.png@linear"},
    {"S_LGCBN", 120000, 140000, "menu/gfx/JNL_log_cabin.png@linear"},
    {"S_RNCH", 140000, 160000, "menu/gfx/JNL_ranch.png@linear"},
    {"S_CAP", 160000, 180000, "menu/gfx/JNL_cape.png@linear"},
    {"S_TUD", 180000, 200000, "menu/gfx/JNL_tudor.png@linear"},
    {"S_2W", 300000, -1, "menu/gfx/JNL_RV_doublewide.png@linear"},
    {"S_EXCP", 400000, -1, "menu/gfx/JNL_executive_cape.png@linear"},
    {"S_MV", 500000, -1, "menu/gfx/JNL_modern_victorian.png@linear"},
    {"S_LUMTRT", 600000, -1, "menu/gfx/JNL_luxury_mt_retreat.png@linear"},
    {"S_PENT", 700000, -1, "menu/gfx/JNL_penthouse.png@linear"},
    {"S_MANS", 800000, -1, "menu/gfx/JNL_mansion.png@linear"},
};

} // namespace

HouseCard* HouseCard::create(int id)
{
    if (id < 0 || id >= kCount) {
        RulesEngine::get().fatal("Unknown HouseCard");
        return nullptr;
    }
    const HouseRow& row = kHouses[id];
    HouseCard* card = new HouseCard;
    card->id = id;
    card->textId = row.textId;
    card->journalPicture = row.picture;
    card->price = row.price;
    card->saleValue = row.saleValue;
    return card;
}

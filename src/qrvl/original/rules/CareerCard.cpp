// The career table.
#include "qrvl/original/rules/CareerCard.h"

#include "qrvl/original/rules/RulesEngine.h"

namespace {

struct CareerRow {
    const char* textId;
    int salary;
    int tax;
    int maxSalary;
    const char* picture;
};

const CareerRow kCareers[CareerCard::kCount] = {
    {"S_HAR", 30000, 10000, 60000, "menu/gfx/JNL_hair_stylist.png@linear"},
    {"S_ENT", 50000, 20000, -1, "menu/gfx/JNL_entertainer.png@linear"},
    {"S_POL", 40000, 15000, 70000, "menu/gfx/JNL_police.png@linear"},
    {"S_MCH", 30000, 10000, 60000, "menu/gfx/JNL_mechanic.png@linear"},
    {"S_SLS", 20000, 5000, 50000, "menu/gfx/JNL_salesperson.png@linear"},
    {"S_ATH", 60000, 25000, -1, "menu/gfx/JNL_athlete.png@linear"},
    {"S_TCH", 40000, 15000, 70000, "menu/gfx/JNL_teacher.png@linear"},
    {"S_CMP", 50000, 20000, 80000, "menu/gfx/JNL_computer_tech.png@linear"},
    {"S_ACT", 70000, 30000, 110000, "menu/gfx/JNL_accountant.png@linear"},
    {"S_VET", 80000, 35000, 120000, "menu/gfx/JNL_veternarian.png@linear"},
    {"S_LAW", 90000, 40000, -1, "menu/gfx/JNL_lawyer.png@linear"},
    {"S_DCT", 100000, 45000, -1, "menu/gfx/JNL_doctor.png@linear"},
};

} // namespace

CareerCard* CareerCard::create(int id)
{
    if (id < 0 || id >= kCount) {
        RulesEngine::get().fatal("Unknown CareerCard");
        return nullptr;
    }
    const CareerRow& row = kCareers[id];
    CareerCard* card = new CareerCard;
    card->id = id;
    card->textId = row.textId;
    card->journalPicture = row.picture;
    card->salary = row.salary;
    card->tax = row.tax;
    card->maxSalary = row.maxSalary;
    return card;
}

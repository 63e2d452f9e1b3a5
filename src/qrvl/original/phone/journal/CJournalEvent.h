// One kind of journal milestone: its texts, pictures, parameter kinds and
// particle effects, registered once under the hash of its name.
#pragma once

#include <string>
#include <vector>

struct CJournalEvent {
    enum ParameterType : unsigned char {
        kPlayer = 0,
        kCareer = 1,
        kHouse = 2,
        kMoney = 3,
    };

    unsigned id = 0;
    std::string title;
    std::string description;
    std::string picture;
    std::string border;
    std::string sound;
    std::vector<ParameterType> parameters;
    std::vector<std::string> particles;

    // Index of the first parameter slot of that kind, or -1.
    int HasParameterType(ParameterType kind) const;
};

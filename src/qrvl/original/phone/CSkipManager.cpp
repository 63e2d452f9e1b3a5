// The skip switch and its report lines.
#include "qrvl/original/phone/CSkipManager.h"

#include "qrvl/port/SoundManager.h"

CSkipManager& CSkipManager::GetSkipManager()
{
    static CSkipManager manager;
    return manager;
}

void CSkipManager::Clear()
{
    skipping = false;
    reportPending = false;
    reportLines.clear();
}

void CSkipManager::SetSkipping(bool on)
{
    if (skipping && !on) {
        reportPending = true;
        SoundManager::GetInstance().PlaySound("good_sound");
    }
    skipping = on;
}

void CSkipManager::AddToReport(char const* text)
{
    if (skipping && text)
        reportLines.push_back(text);
}

void CSkipManager::SkipProcessed()
{
    reportPending = false;
    reportLines.clear();
}

std::vector<Norv::NarrowString> CSkipManager::GetReportTextLines() const
{
    std::vector<Norv::NarrowString> lines;
    for (Norv::NarrowString const& line : reportLines) {
        if (!lines.empty())
            lines.push_back("");
        lines.push_back(line);
    }
    return lines;
}

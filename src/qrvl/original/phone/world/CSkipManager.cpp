// The skip switch and its report lines.
#include "qrvl/original/phone/world/CSkipManager.h"

#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/phone/world/CEngine.h"
#include "qrvl/original/phone/world/SkipReportHooks.h"
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

void CSkipManager::StartSkipReport()
{
    HudPages::Get().SetHudMode(kHudBothOff);
    if (!reportLines.empty())
        SkipReportHooks::Get().Show(GetReportTextLines());
}

void CSkipManager::tick()
{
    SkipReportHooks::Get().Update(static_cast<float>(CEngine::GetEngine().GetFrameMs()) / 1000.0f);
}

void CSkipManager::drawSelf(Norv::Surface* surface)
{
    SkipReportHooks::Get().Draw(surface);
}
void CSkipManager::onTouchUp(int x, int y, int id)
{
    SkipReportHooks::Get().OnTouchUp(x, y, id);
}
void CSkipManager::onTouchDown(int x, int y, int id)
{
    SkipReportHooks::Get().OnTouchDown(x, y, id);
}
void CSkipManager::onTouchMove(int x, int y, int id)
{
    SkipReportHooks::Get().OnTouchMove(x, y, id);
}
void CSkipManager::keyPressed(int key)
{
    SkipReportHooks::Get().KeyPressed(key);
}
void CSkipManager::keyReleased(int key)
{
    SkipReportHooks::Get().KeyReleased(key);
}

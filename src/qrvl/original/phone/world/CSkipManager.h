// The fast-forward switch that the wheel, clicker, cars and camera consult:
// while it is on every animation finishes at once. It also collects the
// lines that tell the player what happened meanwhile, and shows them on
// its report screen once the skip is over.
#pragma once

#include "norv/base/core/NarrowString.h"

#include <vector>

namespace Norv {
class Surface;
}

class CSkipManager {
public:
    static CSkipManager& GetSkipManager();

    // Off, nothing pending, no lines; called when a game starts.
    void Clear();
    // Ending a skip plays "good_sound" and leaves its report pending.
    void SetSkipping(bool on);
    bool IsSkipping() const { return skipping; }

    // Kept only while skipping.
    void AddToReport(char const* text);
    std::vector<Norv::NarrowString> const& GetReportLines() const { return reportLines; }
    // A skip has ended and left at least one line to show.
    bool HasSkipToProcess() const { return reportPending && !reportLines.empty(); }
    void SkipProcessed();

    // The report's lines as shown in its text box: line i (from 0) at text
    // line 2i + 1, the even lines left empty; 2n - 1 lines for n.
    std::vector<Norv::NarrowString> GetReportTextLines() const;

    // The report screen, while the game shows it: the HUD's bars go off and
    // the screen takes the lines; its OK reaches the top mode as button 1.
    void StartSkipReport();
    void tick();
    void drawSelf(Norv::Surface* surface);
    void onTouchUp(int x, int y, int id);
    void onTouchDown(int x, int y, int id);
    void onTouchMove(int x, int y, int id);
    void keyPressed(int key);
    void keyReleased(int key);

private:
    CSkipManager() { Clear(); }

    bool skipping = false;
    bool reportPending = false;
    std::vector<Norv::NarrowString> reportLines;
};

// One keyword a line, then its numbers; '#' starts a comment.
#include "Layout.h"

#include <fstream>
#include <sstream>

namespace {

bool Numbers(std::istringstream& line, std::vector<float>& out, std::size_t count)
{
    out.clear();
    float value = 0.0f;
    while (line >> value)
        out.push_back(value);
    return count == 0 ? !out.empty() && out.size() % 2 == 0 : out.size() == count;
}

} // namespace

bool ReadLayout(std::string const& path, Layout& layout, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        std::string::size_type const comment = text.find('#');
        if (comment != std::string::npos)
            text.erase(comment);
        std::istringstream line(text);
        std::string key;
        if (!(line >> key))
            continue;
        std::vector<float> v;
        bool ok = false;
        if (key == "spacing" || key == "clearance" || key == "lane" || key == "water") {
            ok = Numbers(line, v, 1);
            if (ok)
                (key == "spacing" ? layout.spacing : key == "clearance" ? layout.clearance
                 : key == "lane" ? layout.laneOffset : layout.waterLevel) = v[0];
        } else if (key == "land") {
            ok = Numbers(line, v, 4);
            if (ok)
                layout.minX = v[0], layout.minZ = v[1], layout.maxX = v[2], layout.maxZ = v[3];
        } else if (key == "reach") {
            ok = Numbers(line, v, 4);
            if (ok)
                layout.reachMinX = v[0], layout.reachMinZ = v[1], layout.reachMaxX = v[2], layout.reachMaxZ = v[3];
        } else if (key == "wheel" || key == "lake" || key == "snow" || key == "sand") {
            ok = Numbers(line, v, 3);
            Circle const circle {ok ? v[0] : 0.0f, ok ? v[1] : 0.0f, ok ? v[2] : 0.0f};
            if (ok && key == "wheel")
                layout.wheel = circle;
            else if (ok)
                (key == "lake" ? layout.lakes : key == "snow" ? layout.snow : layout.sand).push_back(circle);
        } else if (key == "stream" || key == "road") {
            ok = Numbers(line, v, 0);
            if (ok && key == "stream")
                layout.streams.push_back(v);
            else if (ok)
                layout.road.insert(layout.road.end(), v.begin(), v.end());
        } else if (key == "keep" || key == "clear") {
            std::string name;
            ok = bool(line >> name) && Numbers(line, v, key == "keep" ? 3 : 2);
            if (ok)
                layout.placements.push_back({name, key == "keep" ? PVRTVec3(v[0], v[1], v[2]) : PVRTVec3(v[0], 0.0f, v[1]),
                                             key == "keep"});
        }
        if (!ok) {
            error = path + ":" + std::to_string(number) + ": cannot read \"" + text + "\"";
            return false;
        }
    }
    if (layout.road.size() < 4 || layout.maxX <= layout.minX || layout.maxZ <= layout.minZ) {
        error = path + ": a layout needs its land and at least two road points";
        return false;
    }
    return true;
}

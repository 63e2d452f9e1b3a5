// Space points: the main road's spaces one spacing apart along the road's
// centre line; a side lane's spaces spread over the stretch of road they
// run beside, pushed outwards. Car paths run through the space points; a
// side lane's path starts at its fork and ends on the space where it
// rejoins the road, so a car leaves and rejoins without a jump.
#include "BoardPaths.h"


#include "norv/base/core/Pi.h"
#include "qrvl/boardfile/BoardFile.h"
#include "qrvl/port/Spline.h"

#include <algorithm>
#include <cmath>

namespace {

// A lane's path begins this far from its fork towards its first space: the
// curve starts halfway, so a car taking the lane barely moves as it turns.
constexpr float kLaneLead = 20.0f;
// A lane leaves the road this steeply (multiples of its offset per share
// of its length), so that its first space already stands clear.
constexpr float kLaneSteepness = 2.5f;

struct Lane {
    int fork; // the space it branches off, -1 for a start of its own
    int join; // the road's space it leads into
    std::vector<int> spaces;
};

bool IsFork(BoardRecord const& space)
{
    return space.type == BoardRecord::BR || space.type == BoardRecord::B5;
}

// The spaces from `first` along `next` until the end or a space in `stop`.
std::vector<int> Chain(BoardFile const& board, int first, std::vector<int> const& stopAt)
{
    std::vector<int> chain;
    for (int index = first; index >= 0 && static_cast<int>(chain.size()) < BoardFile::kNumSpaces;
         index = board.spaces[index].next) {
        if (stopAt[index] >= 0)
            break;
        chain.push_back(index);
    }
    return chain;
}

// How near a point comes to the placements; none at all outside the
// camera's reach.
float Clearance(Layout const& layout, PVRTVec3 const& point)
{
    if (!layout.Reaches(point.x, point.z))
        return 0.0f;
    float nearest = 1e9f;
    for (Placement const& p : layout.placements)
        nearest = std::min(nearest, PVRTVec3(point.x - p.position.x, 0.0f, point.z - p.position.z).length());
    return nearest;
}

} // namespace

std::vector<SplineRecord> BuildBoardPaths(BoardFile const& board, BoardRoad const& shape, Layout const& layout)
{
    float const spacing = layout.spacing;
    int const n = BoardFile::kNumSpaces;
    std::vector<bool> entered(n, false);
    for (int i = 0; i < n; ++i) {
        BoardRecord const& space = board.spaces[i];
        if (space.next >= 0)
            entered[space.next] = true;
        if (IsFork(space))
            entered[space.value] = true;
    }
    std::vector<int> const none(n, -1);
    std::vector<int> starts;
    std::vector<int> road;
    for (int i = 0; i < n; ++i) {
        if (entered[i])
            continue;
        starts.push_back(i);
        std::vector<int> chain = Chain(board, i, none);
        if (chain.size() > road.size())
            road = chain;
    }
    if (road.empty())
        return {};
    std::vector<int> roadIndex(n, -1);
    for (std::size_t r = 0; r < road.size(); ++r)
        roadIndex[road[r]] = static_cast<int>(r);

    std::vector<Lane> lanes;
    auto addLane = [&](int fork, int first) {
        std::vector<int> spaces = Chain(board, first, roadIndex);
        int const last = spaces.empty() ? first : spaces.back();
        int const join = spaces.empty() ? -1 : board.spaces[last].next;
        if (!spaces.empty() && join >= 0)
            lanes.push_back(Lane {fork, join, spaces});
    };
    for (int start : starts) {
        if (start != road.front())
            addLane(-1, start);
    }
    for (int space : road) {
        if (IsFork(board.spaces[space]))
            addLane(space, board.spaces[space].value);
    }

    std::vector<PVRTVec3> points(n);
    for (std::size_t r = 0; r < road.size(); ++r)
        points[road[r]] = shape.PointAt(static_cast<float>(r) * spacing);
    for (Lane const& lane : lanes) {
        int const k = static_cast<int>(lane.spaces.size());
        float const to = static_cast<float>(roadIndex[lane.join]);
        float const from = lane.fork >= 0 ? static_cast<float>(roadIndex[lane.fork]) : to - static_cast<float>(k + 1);
        // The lane runs on the side of the road that keeps clear of the
        // placements and, of two such sides, on the one where its spaces
        // stand further apart (the outside of a bend).
        float best = -1.0f;
        for (float side : {1.0f, -1.0f}) {
            // The lane's course, finely, then its spaces evenly along it.
            auto laneAt = [&](float share) {
                float const along = (from + (to - from) * share) * spacing;
                float const outwards = lane.fork >= 0 ? std::min(1.0f, kLaneSteepness * std::sin(Norv::kPiF * share)) : 1.0f;
                PVRTVec3 point = shape.PointAt(along) + shape.LeftAt(along) * (side * layout.laneOffset * outwards);
                point.y = shape.HeightAt(point.x, point.z);
                return point;
            };
            int const samples = 400;
            std::vector<float> course(1, 0.0f);
            for (int i = 1; i <= samples; ++i)
                course.push_back(course.back() + (laneAt(float(i) / samples) - laneAt(float(i - 1) / samples)).length());
            std::vector<PVRTVec3> lanePoints;
            float clearest = 1e9f;
            float gap = 1e9f;
            for (int j = 0; j < k; ++j) {
                float const wanted = course.back() * static_cast<float>(j + 1) / static_cast<float>(k + 1);
                int const i = int(std::lower_bound(course.begin(), course.end(), wanted) - course.begin());
                PVRTVec3 const point = laneAt(float(i) / samples);
                if (!lanePoints.empty())
                    gap = std::min(gap, (point - lanePoints.back()).length());
                lanePoints.push_back(point);
                clearest = std::min(clearest, Clearance(layout, point));
            }
            float const score = (clearest >= layout.clearance ? 1e6f : 0.0f) + std::min(clearest, layout.clearance) + gap;
            if (score <= best)
                continue;
            best = score;
            for (int j = 0; j < k; ++j)
                points[lane.spaces[j]] = lanePoints[j];
        }
    }

    std::vector<SplineRecord> records;
    auto pointsOf = [&](std::vector<int> const& spaces) {
        std::vector<PVRTVec3> list;
        for (int space : spaces)
            list.push_back(points[space]);
        return list;
    };
    records.push_back({Spline::kSpacePoints, static_cast<uint32_t>(road.front()), pointsOf(road)});
    for (Lane const& lane : lanes)
        records.push_back({Spline::kSpacePoints, static_cast<uint32_t>(lane.spaces.front()), pointsOf(lane.spaces)});

    // The road's path reaches a spacing past its ends, so that its first
    // and last spaces lie on it.
    std::vector<PVRTVec3> roadPath = pointsOf(road);
    roadPath.insert(roadPath.begin(), shape.PointAt(-spacing));
    roadPath.push_back(shape.PointAt(static_cast<float>(road.size()) * spacing));
    records.push_back({Spline::kCarPath, static_cast<uint32_t>(road.front()), roadPath});
    for (Lane const& lane : lanes) {
        std::vector<PVRTVec3> lanePath = pointsOf(lane.spaces);
        PVRTVec3 const first = points[lane.spaces.front()];
        if (lane.fork >= 0) {
            PVRTVec3 const fork = points[lane.fork];
            lanePath.insert(lanePath.begin(), {fork, fork + (first - fork).normalized() * kLaneLead});
        } else {
            lanePath.insert(lanePath.begin(), first - (points[lane.join] - first).normalized() * spacing);
        }
        lanePath.push_back(points[lane.join]);
        records.push_back({Spline::kCarPath, static_cast<uint32_t>(lane.spaces.front()), lanePath});
    }
    return records;
}

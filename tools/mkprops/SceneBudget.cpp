// Each entity draws one call per mesh node (the car, the wheel and a peg
// their first mesh only); hidden glowing twins cost nothing.
#include "SceneBudget.h"

#include "contrib/pvr/PVRTModelPOD.h"
#include "qrvl/port/WorldTables.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

namespace {

// The world's car slots, each car carrying a peg in every seat.
constexpr int kCars = 6;
constexpr int kSeats = 6;

struct ModelCost {
    long triangles = 0;
    int calls = 0;
    long firstTriangles = 0; // of the first mesh alone
};

class Counter {
public:
    explicit Counter(std::string folder)
        : folder(std::move(folder))
    {
    }

    // Adds an entity of the model; firstMeshOnly for the kinds that draw
    // only their first mesh.
    void Add(std::string const& path, int count = 1, bool firstMeshOnly = false)
    {
        ModelCost const cost = Cost(path);
        budget.triangles += long(count) * (firstMeshOnly ? cost.firstTriangles : cost.triangles);
        budget.drawCalls += count * (firstMeshOnly ? std::min(cost.calls, 1) : cost.calls);
    }

    ModelCost Cost(std::string const& path)
    {
        auto const known = costs.find(path);
        if (known != costs.end())
            return known->second;
        ModelCost cost;
        std::ifstream in(folder + "/" + path, std::ios::binary);
        std::vector<char> const bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        CPVRTModelPOD model;
        if (bytes.empty() || model.ReadFromMemory(bytes.data(), bytes.size()) != 0)
            budget.unreadable.push_back(path);
        else
            for (unsigned i = 0; i < model.nNumMeshNode; ++i) {
                int const mesh = model.pNode[i].nIdx;
                long const faces = mesh >= 0 && unsigned(mesh) < model.nNumMesh ? long(model.pMesh[mesh].nNumFaces) : 0;
                cost.triangles += faces;
                cost.calls += 1;
                if (i == 0)
                    cost.firstTriangles = faces;
            }
        return costs[path] = cost;
    }

    SceneBudget budget;

private:
    std::string folder;
    std::map<std::string, ModelCost> costs;
};

} // namespace

SceneBudget CountScene(std::string const& folder)
{
    using namespace WorldTables;
    Counter counter(folder);
    std::string const environment = "environment/";
    counter.Add("board.pod");
    counter.Add("spinner.pod", 1, true);
    counter.Add("ratchett.pod");
    counter.Add("spinner_sparks.pod");
    counter.Add("glow.pod");
    for (char const* file : kEnvironment)
        counter.Add(environment + file);
    // One currency shows at a time; count the dearest.
    std::string dearest = environment + kCurrency[0];
    for (char const* file : kCurrency)
        if (counter.Cost(environment + file).triangles > counter.Cost(dearest).triangles)
            dearest = environment + file;
    counter.Add(dearest);
    for (TouchableRow const& row : kTouchables)
        counter.Add(environment + row.file);
    for (AnimatedTouchableRow const& row : kAnimated) {
        // Whichever of its two models the toy shows.
        std::string const main = environment + row.main, animation = environment + row.animation;
        counter.Add(counter.Cost(animation).triangles > counter.Cost(main).triangles ? animation : main);
    }
    for (int row = 0; row < kPositionedRows; ++row) {
        ModelRow const& model = kPlaceableModels[PositionedRow(row).model];
        counter.Add(std::string(model.folder) + model.file);
    }
    for (int row = 0; row < kBuildingRows; row += 2) {
        ModelRow const& model = kPlaceableModels[kBuildings[row].model];
        counter.Add(std::string(model.folder) + model.file);
    }
    for (Placement const& bag : kMoneyBags)
        counter.Add(std::string(kPlaceableModels[bag.model].folder) + kPlaceableModels[bag.model].file);
    counter.Add("gameobjects/carRed.pod", kCars, true);
    counter.Add("gameobjects/pinkpeg1.pod", kCars * kSeats, true);
    return counter.budget;
}

// One statement a line: a keyword, then names and numbers; '#' starts a
// comment. Solids are built as they are read, so a model that copies
// another ("like") copies finished geometry.
#include "Description.h"

#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace {

// A swatch holds 8 x 8 colour cells.
constexpr int kSwatchColumns = 8;
constexpr int kSwatchCells = kSwatchColumns * kSwatchColumns;
// The share of a cell's half width kept clear round its edge, so that
// filtering never reads the next cell.
constexpr float kCellMargin = 0.2f;
// Glowing twins sit this far out from the windows they light.
constexpr float kTwinLift = 1.5f;
// Labels float this far above the land so the road never covers them.
constexpr float kLabelLift = 9.0f;
// Columns a label is cut into to follow the land.
constexpr int kLabelColumns = 16;
// The share of a row of words left clear above and below them.
constexpr float kRowInset = 0.03f;
// Limits on what a line may ask for, so that no description builds more
// than a prop needs: segments round a solid, bevel steps, and frames.
constexpr int kMaxSides = 64;
constexpr int kMaxSteps = 8;
constexpr int kMaxFrames = 1000;
PVRTVec3 const kSun = PVRTVec3(0.45f, 1.0f, 0.55f).normalized();

using Params = std::map<std::string, std::vector<float>>;

bool Number(std::string const& token, float& value)
{
    std::istringstream in(token);
    return bool(in >> value) && in.eof();
}

// The shade of a face turned this way, baked into the vertex colour: the
// game draws the props unlit.
uint8_t Shade(PVRTVec3 const& normal)
{
    float const light = 0.58f + 0.42f * std::max(0.0f, normal.dot(kSun)) + 0.06f * normal.y;
    return uint8_t(std::clamp(light, 0.0f, 1.0f) * 255.0f + 0.5f);
}

struct ModelState {
    std::vector<std::string> colourNames;
    std::vector<uint32_t> colours;
    std::string paintColour;
    std::vector<std::pair<std::string, uint32_t>> paints;
    std::string normalMap;
    std::string twin;
    PVRTVec3 offset{0, 0, 0};
    PVRTVec3 shift{0, 0, 0};
    PVRTVec3 pivot{0, 0, 0};
    std::map<std::string, int> pictureOf; // node picture kind -> request
};

} // namespace

namespace {

class Reader {
public:
    Reader(PropSet& set, std::map<std::string, uint32_t>& palette, LandHeight const& land)
        : set(set)
        , palette(palette)
        , land(land)
    {
    }

    bool Line(std::vector<std::string> const& tokens, std::string& error);
    void Finish();

private:
    PropModelSource& Current() { return set.models[std::size_t(current)]; }
    ModelState& State() { return states[Current().model.file]; }
    bool Colour(std::string const& name, uint32_t& rgb, std::string& error);
    int Cell(ModelState& state, std::string const& name, uint32_t rgb);
    static void CellUv(int cell, float uv[2]);
    bool Solid(std::vector<std::string> const& tokens, std::string& error);
    bool Key(std::vector<std::string> const& tokens, std::string& error);
    void AddTo(PropModelSource& target, PropMesh const& solid, Placing const& placing, float const* cell, bool glow,
               float lift);
    void FinishModel();
    void FinishModel(int index);

    PropSet& set;
    std::map<std::string, uint32_t>& palette;
    LandHeight const& land;
    std::map<std::string, ModelState> states;
    // Each model as written, before its placing was applied: what "like"
    // copies.
    std::map<std::string, PropModel> written;
    int current = -1;
};

bool Reader::Colour(std::string const& name, uint32_t& rgb, std::string& error)
{
    auto const found = palette.find(name);
    if (found == palette.end()) {
        error = "no colour named \"" + name + "\"";
        return false;
    }
    rgb = found->second;
    return true;
}

int Reader::Cell(ModelState& state, std::string const& name, uint32_t rgb)
{
    auto const found = std::find(state.colourNames.begin(), state.colourNames.end(), name);
    if (found != state.colourNames.end())
        return int(found - state.colourNames.begin());
    if (int(state.colours.size()) == kSwatchCells)
        return kSwatchCells - 1;
    state.colourNames.push_back(name);
    state.colours.push_back(rgb);
    return int(state.colours.size() - 1);
}

void Reader::CellUv(int cell, float uv[2])
{
    uv[0] = (float(cell % kSwatchColumns) + 0.5f) / float(kSwatchColumns);
    uv[1] = (float(cell / kSwatchColumns) + 0.5f) / float(kSwatchColumns);
}

void Reader::AddTo(PropModelSource& target, PropMesh const& solid, Placing const& placing, float const* cell, bool glow,
                   float lift)
{
    PropMesh& mesh = target.model.nodes.back().mesh;
    std::size_t const first = mesh.vertices.size();
    Place(mesh, solid, placing, cell);
    PVRTVec3 low(1e9f, 1e9f, 1e9f), high(-1e9f, -1e9f, -1e9f);
    for (std::size_t i = first; i < mesh.vertices.size(); ++i) {
        PropVertex& v = mesh.vertices[i];
        v.position += v.normal * lift;
        v.colour[0] = v.colour[1] = v.colour[2] = glow ? 255 : Shade(v.normal);
        low = PVRTVec3(std::min(low.x, v.position.x), std::min(low.y, v.position.y), std::min(low.z, v.position.z));
        high = PVRTVec3(std::max(high.x, v.position.x), std::max(high.y, v.position.y), std::max(high.z, v.position.z));
    }
    if (!target.model.tangentSpace || !cell)
        return;
    // The second set spreads the solid over the inside of its colour's
    // cell, seen from the side each face turns to most: the normal map's
    // cell then bevels the solid, and the paint's cell stays one colour
    // whichever set reads it.
    float const half = 0.5f / float(kSwatchColumns), inside = half * (1.0f - kCellMargin);
    auto spread = [](float value, float from, float to) {
        return to > from ? (value - from) / (to - from) * 2 - 1 : 0.0f;
    };
    for (std::size_t i = first; i < mesh.vertices.size(); ++i) {
        PropVertex& v = mesh.vertices[i];
        PVRTVec3 const n(std::fabs(v.normal.x), std::fabs(v.normal.y), std::fabs(v.normal.z));
        bool const side = n.x > n.y && n.x > n.z, top = n.y >= n.x && n.y >= n.z;
        float const a = side ? spread(v.position.z, low.z, high.z) : spread(v.position.x, low.x, high.x);
        float const b = top ? spread(v.position.z, low.z, high.z) : spread(v.position.y, low.y, high.y);
        v.uv2[0] = cell[0] + a * inside;
        v.uv2[1] = cell[1] + b * inside;
    }
}

bool Reader::Solid(std::vector<std::string> const& tokens, std::string& error)
{
    std::string const& kind = tokens[0];
    bool const words = kind == "label" || kind == "poster";
    std::size_t next = kind == "poster" ? 4 : 2;
    if (tokens.size() < next) {
        error = kind + " needs " + (words ? "its words and colours" : "a colour");
        return false;
    }
    Params params;
    std::string key;
    for (std::size_t i = next; i < tokens.size(); ++i) {
        float value = 0.0f;
        if (Number(tokens[i], value) && !key.empty())
            params[key].push_back(value);
        else if (!Number(tokens[i], value))
            params[key = tokens[i]];
        else {
            error = "a number without a name: " + tokens[i];
            return false;
        }
    }
    auto get = [&](char const* name, std::size_t index, float fallback) {
        auto const found = params.find(name);
        return found != params.end() && found->second.size() > index ? found->second[index] : fallback;
    };
    auto vec = [&](char const* name, PVRTVec3 fallback) {
        auto const found = params.find(name);
        if (found == params.end() || found->second.empty())
            return fallback;
        std::vector<float> const& v = found->second;
        return v.size() == 1 ? PVRTVec3(v[0], v[0], v[0]) : PVRTVec3(v[0], get(name, 1, 0), get(name, 2, 0));
    };
    Placing placing;
    placing.at = vec("at", PVRTVec3(0, 0, 0));
    placing.turn = vec("turn", PVRTVec3(0, 0, 0));
    placing.scale = vec("scale", PVRTVec3(1, 1, 1));
    // A solid on the ground stands its height above the land there.
    if (params.count("ground"))
        placing.at.y += land(placing.at.x, placing.at.z);
    // Counts are checked as read, before they become whole numbers.
    auto count = [&](char const* name, float fallback, float least, float most) {
        float const value = get(name, 0, fallback);
        return value >= least && value <= most ? int(value) : -1;
    };
    int const sides = count("sides", 12, 3, kMaxSides), rings = count("rings", 8, 2, kMaxSides);
    int const steps = count("steps", 2, 1, kMaxSteps);
    std::size_t const points = params["profile"].size() + params["outline"].size();
    if (sides < 0 || rings < 0 || steps < 0 || points > std::size_t(4 * kMaxSides)) {
        error = kind + " asks for more or fewer segments than a prop may have";
        return false;
    }
    PropMesh solid;
    if (kind == "box")
        solid = Box(vec("size", PVRTVec3(10, 10, 10)), get("bevel", 0, 0), steps);
    else if (kind == "cylinder" || kind == "cone") {
        float const r = get("radius", 0, 10);
        solid = Cylinder(r, get("top", 0, kind == "cone" ? 0.0f : r), get("height", 0, 10), sides);
    } else if (kind == "sphere")
        solid = Sphere(get("radius", 0, 10), sides, rings);
    else if (kind == "torus")
        solid = Torus(get("radius", 0, 10), get("tube", 0, 2), sides, rings);
    else if (kind == "lathe")
        solid = Lathe(params["profile"], sides, params.count("smooth") > 0);
    else if (kind == "extrude")
        solid = Extrusion(params["outline"], get("depth", 0, 0));
    else if (kind == "panel" || words)
        solid = Sheet(get("size", 0, 10), get("size", 1, 10), kind == "label" ? kLabelColumns : 1, 1);
    else {
        error = "no solid or statement called \"" + kind + "\"";
        return false;
    }
    if (solid.vertices.empty() || (kind == "lathe" && params["profile"].size() < 4)
        || (kind == "extrude" && params["outline"].size() < 6)) {
        error = kind + " has too few points";
        return false;
    }
    if (current < 0 || Current().model.nodes.empty()) {
        error = "a solid before any model and node";
        return false;
    }
    ModelState& state = State();
    PropNode& node = Current().model.nodes.back();
    if (words) {
        // Words lie on the land (labels) or stand where they are put
        // (posters), showing their row of the node's picture.
        auto const picture = state.pictureOf.find(node.name);
        if (picture == state.pictureOf.end()) {
            error = kind + " in a node without a picture";
            return false;
        }
        PictureRequest& request = set.pictures[std::size_t(picture->second)];
        std::string text = tokens[1];
        if (kind == "poster")
            std::replace(text.begin(), text.end(), '_', ' ');
        request.words.push_back(text);
        if (kind == "poster") {
            uint32_t back = 0, ink = 0;
            if (!Colour(tokens[2], back, error) || !Colour(tokens[3], ink, error))
                return false;
            request.colours.insert(request.colours.end(), {back, ink});
        }
        float const rows = kind == "label" ? 8.0f : 4.0f;
        float const row = float(request.words.size() - 1);
        // Kept inside the row, so that filtering never reaches the next.
        for (PropVertex& v : solid.vertices)
            v.uv[1] = (row + kRowInset + v.uv[1] * (1.0f - 2.0f * kRowInset)) / rows;
        if (kind == "label")
            placing.turn.x -= 90.0f;
        std::size_t const first = node.mesh.vertices.size();
        AddTo(Current(), solid, placing, nullptr, true, 0.0f);
        // A label follows the land's rises and dips.
        for (std::size_t i = first; kind == "label" && i < node.mesh.vertices.size(); ++i) {
            PVRTVec3& p = node.mesh.vertices[i].position;
            p.y = land(p.x, p.z) + kLabelLift;
        }
        return true;
    }
    if (params.count("uv")) {
        std::vector<float> const& r = params["uv"];
        if (r.size() != 4) {
            error = "uv needs four numbers: u0 v0 u1 v1";
            return false;
        }
        for (PropVertex& v : solid.vertices)
            v.uv[0] = r[0] + (r[2] - r[0]) * v.uv[0], v.uv[1] = r[1] + (r[3] - r[1]) * v.uv[1];
    }
    bool const glow = params.count("glow") > 0;
    bool const textured = state.pictureOf.count(node.name) > 0;
    float cell[2];
    if (!textured) {
        uint32_t rgb = 0;
        if (!Colour(tokens[1], rgb, error))
            return false;
        CellUv(Cell(state, tokens[1], rgb), cell);
    }
    AddTo(Current(), solid, placing, textured ? nullptr : cell, glow, 0.0f);
    if (!state.twin.empty() && tokens[1] == "window") {
        // The lit windows of the building's glowing twin.
        auto const twin = std::find_if(set.models.begin(), set.models.end(),
                                       [&](PropModelSource const& m) { return m.model.file == state.twin; });
        ModelState& twinState = states[state.twin];
        uint32_t lamp = 0;
        if (!Colour("lamp", lamp, error))
            return false;
        CellUv(Cell(twinState, "lamp", lamp), cell);
        AddTo(*twin, solid, placing, cell, true, kTwinLift);
    }
    return true;
}

bool Reader::Key(std::vector<std::string> const& tokens, std::string& error)
{
    float frame = 0.0f;
    if (current < 0 || Current().model.nodes.empty() || tokens.size() < 2 || !Number(tokens[1], frame) || frame < 0
        || frame > float(kMaxFrames)) {
        error = "a key needs a node and a frame from 0 to " + std::to_string(kMaxFrames);
        return false;
    }
    NodeKey key;
    std::vector<NodeKey>& keys = Current().model.nodes.back().keys;
    if (!keys.empty())
        key = keys.back();
    key.frame = int(frame);
    for (std::size_t i = 2; i < tokens.size();) {
        std::string const& what = tokens[i++];
        float v[3] = {0, 0, 0};
        int n = 0;
        while (n < 3 && i < tokens.size() && Number(tokens[i], v[n]))
            ++i, ++n;
        if (what == "scale" && n == 1)
            v[1] = v[2] = v[0], n = 3;
        if (n != 3 || (what != "pos" && what != "turn" && what != "scale")) {
            error = "a key takes pos, turn and scale with three numbers each";
            return false;
        }
        (what == "pos" ? key.position : what == "turn" ? key.turn : key.scale) = PVRTVec3(v[0], v[1], v[2]);
    }
    keys.push_back(key);
    return true;
}

void Reader::FinishModel()
{
    if (current < 0)
        return;
    std::string const twin = State().twin;
    FinishModel(current);
    for (std::size_t i = 0; i < set.models.size(); ++i)
        if (!twin.empty() && set.models[i].model.file == twin)
            FinishModel(int(i));
}

void Reader::FinishModel(int index)
{
    PropModelSource& source = set.models[std::size_t(index)];
    written[source.model.file] = source.model;
    ModelState& state = states[source.model.file];
    PropModel& model = source.model;
    std::string const stem = model.file.substr(0, model.file.size() - 4);
    for (PropNode& node : model.nodes) {
        // The pivot stays where the shift put the solids; keys turn and
        // scale about it.
        for (PropVertex& v : node.mesh.vertices)
            v.position += state.shift - state.pivot;
        if (node.keys.size() <= 1) {
            NodeKey rest = node.keys.empty() ? NodeKey() : node.keys.front();
            rest.frame = 0;
            node.keys = {rest};
        }
        for (NodeKey& key : node.keys)
            key.position += state.offset + state.pivot;
        if (model.tangentSpace)
            node.mesh.ComputeTangents();
    }
    if (!source.written)
        return;
    // A model drawn only with pictures needs no swatch.
    bool const coloured =
        std::any_of(model.nodes.begin(), model.nodes.end(), [](PropNode const& n) { return n.material == 0; });
    if (!coloured && !model.materials.empty() && model.materials.front().name == "swatch") {
        model.materials.erase(model.materials.begin());
        for (PropNode& node : model.nodes)
            --node.material;
    }
    if (!coloured)
        return;
    std::string swatch = stem;
    if (!state.paints.empty())
        swatch = state.paints.front().first;
    if (!model.materials.empty() && model.materials.front().name == "swatch")
        model.materials.front().texture = swatch + ".png";
    auto const paintAt = std::find(state.colourNames.begin(), state.colourNames.end(), state.paintColour);
    if (state.paints.empty())
        set.swatches.push_back({swatch, source.folder, state.colours});
    for (auto const& paint : state.paints) {
        std::vector<uint32_t> colours = state.colours;
        if (paintAt != state.colourNames.end())
            colours[std::size_t(paintAt - state.colourNames.begin())] = paint.second;
        set.swatches.push_back({paint.first, source.folder, colours});
    }
    if (!state.normalMap.empty())
        set.pictures.push_back({"normalmap", state.normalMap, source.folder, {}, {}});
}

bool Reader::Line(std::vector<std::string> const& tokens, std::string& error)
{
    std::string const& word = tokens[0];
    auto numbers = [&](std::size_t from, std::size_t count, float* out) {
        for (std::size_t i = 0; i < count; ++i)
            if (from + i >= tokens.size() || !Number(tokens[from + i], out[i]))
                return false;
        return true;
    };
    float v[3] = {0, 0, 0};
    if (word == "colour") {
        uint32_t rgb = 0;
        if (tokens.size() != 3 || tokens[2].size() != 6) {
            error = "a colour is a name and six hex digits";
            return false;
        }
        std::istringstream(tokens[2]) >> std::hex >> rgb;
        palette[tokens[1]] = rgb;
        return true;
    }
    if (word == "model" || word == "template") {
        if (tokens.size() < 2) {
            error = word + " needs a name";
            return false;
        }
        FinishModel();
        PropModelSource source;
        source.model.file = word == "model" ? tokens[1] : tokens[1] + ".pod";
        source.folder = "environment/";
        source.written = word == "model";
        set.models.push_back(source);
        current = int(set.models.size() - 1);
        states[Current().model.file] = ModelState();
        return true;
    }
    if (current < 0) {
        error = word + " outside a model";
        return false;
    }
    PropModel& model = Current().model;
    ModelState& state = State();
    if (word == "folder" && tokens.size() == 2)
        Current().folder = tokens[1] == "root" ? "" : tokens[1] + "/";
    else if (word == "frames" && numbers(1, 1, v) && v[0] >= 0 && v[0] <= float(kMaxFrames))
        model.frames = int(v[0]);
    else if (word == "fps" && numbers(1, 1, v) && v[0] >= 1 && v[0] <= 120)
        model.fps = int(v[0]);
    else if (word == "tangents")
        model.tangentSpace = true;
    else if (word == "place" && numbers(1, 2, v)) {
        float lift = 0.0f;
        numbers(3, 1, &lift);
        state.offset = PVRTVec3(v[0], land(v[0], v[1]) + lift, v[1]);
    } else if (word == "origin" && numbers(1, 3, v))
        state.offset = PVRTVec3(v[0], v[1], v[2]);
    else if (word == "shift" && numbers(1, 3, v))
        state.shift = PVRTVec3(v[0], v[1], v[2]);
    else if (word == "pivot" && numbers(1, 3, v))
        state.pivot = PVRTVec3(v[0], v[1], v[2]);
    else if (word == "like" && tokens.size() == 2) {
        std::string const name = tokens[1].find(".pod") == std::string::npos ? tokens[1] + ".pod" : tokens[1];
        auto const found = written.find(name);
        if (found == written.end()) {
            error = "nothing called " + tokens[1] + " to copy";
            return false;
        }
        PropModel copy = found->second;
        copy.file = model.file;
        ModelState const copied = states[name];
        Current().model = copy;
        State() = copied;
    } else if (word == "twin" && tokens.size() == 2) {
        state.twin = tokens[1];
        PropModelSource twin;
        twin.model.file = tokens[1];
        twin.folder = Current().folder;
        twin.model.materials.push_back({"swatch", ""});
        twin.model.nodes.push_back(PropNode());
        twin.model.nodes.back().name = "glow";
        set.models.push_back(twin);
        states[tokens[1]] = ModelState();
    } else if (word == "paint" && tokens.size() >= 4 && tokens.size() % 2 == 0) {
        state.paintColour = tokens[1];
        state.paints.clear();
        for (std::size_t i = 2; i + 1 < tokens.size(); i += 2) {
            uint32_t rgb = 0;
            std::istringstream(tokens[i + 1]) >> std::hex >> rgb;
            state.paints.emplace_back(tokens[i], rgb);
        }
        // The painted colour needs no entry of its own in the palette.
        palette.emplace(tokens[1], state.paints.front().second);
    } else if (word == "normalmap" && tokens.size() == 2)
        state.normalMap = tokens[1];
    else if (word == "node" && tokens.size() >= 2) {
        auto const existing = std::find_if(model.nodes.begin(), model.nodes.end(),
                                           [&](PropNode const& n) { return n.name == tokens[1]; });
        if (existing != model.nodes.end()) {
            // Naming a copied node again adds to it.
            std::rotate(existing, existing + 1, model.nodes.end());
            return true;
        }
        PropNode node;
        node.name = tokens[1];
        if (model.materials.empty())
            model.materials.push_back({"swatch", ""});
        auto const shared = tokens.size() >= 4 && tokens[2] == "picture"
            ? std::find_if(model.materials.begin(), model.materials.end(),
                           [&](PropMaterial const& m) { return m.name == tokens[3]; })
            : model.materials.end();
        if (shared != model.materials.end()) {
            // Nodes showing the same picture share its material.
            node.material = int(shared - model.materials.begin());
            for (auto const& other : state.pictureOf)
                if (set.pictures[std::size_t(other.second)].kind == tokens[3])
                    state.pictureOf[node.name] = other.second;
        } else if (tokens.size() >= 4 && tokens[2] == "picture") {
            std::string const stem =
                tokens[3] == "labels" ? "quorvelEn" : model.file.substr(0, model.file.size() - 4) + "_" + tokens[3];
            state.pictureOf[node.name] = int(set.pictures.size());
            set.pictures.push_back({tokens[3], stem, Current().folder, {}, {}});
            node.material = int(model.materials.size());
            model.materials.push_back({tokens[3], stem + ".png"});
        }
        model.nodes.push_back(node);
    } else if (word == "key")
        return Key(tokens, error);
    else
        return Solid(tokens, error);
    return true;
}

void Reader::Finish()
{
    FinishModel();
    current = -1;
}

} // namespace

bool Description::Read(std::string const& path, PropSet& set, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    Reader reader(set, palette, land);
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        std::string::size_type const comment = text.find('#');
        if (comment != std::string::npos)
            text.erase(comment);
        std::istringstream line(text);
        std::vector<std::string> tokens;
        for (std::string token; line >> token;)
            tokens.push_back(token);
        if (tokens.empty())
            continue;
        std::string problem;
        if (!reader.Line(tokens, problem)) {
            error = path + ":" + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    reader.Finish();
    return true;
}

// The map page.
#include "qrvl/menu/hud/CGuifMap.h"

#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include "norv/base/KeyCode.h"
#include "norv/base/Lua.h"

#include <cstdio>

namespace qrvl {

namespace {

constexpr char const* kScriptFile = "menu/map.lua";
constexpr char const* kBlobNames[CGuifMap::kBlobs] = {"carBlobRed",   "carBlobOrange", "carBlobBlue",
                                                      "carBlobGreen", "carBlobYellow", "carBlobPurple"};
// The tuning values' defaults: the single-precision numbers nearest to the
// scales that fit the board into the map picture.
PVRTVec3 const kWorldToMapDefault(MapProjection::kWorldToMapX, 0.0f, MapProjection::kWorldToMapZ);
PVRTVec3 const kMapToWorldDefault(MapProjection::kMapToWorldX, 0.0f, MapProjection::kMapToWorldZ);

} // namespace

char const CGuifMap::className[] = "CGuifMap";

Norv::Lunar<CGuifMap>::RegType CGuifMap::methods[] = {
    {"BackKeyPressed", &CGuifMap::l_BackKeyPressed},
    {"MapPressed", &CGuifMap::l_MapPressed},
    {nullptr, nullptr},
};

CGuifMap::CGuifMap()
    : worldToMapScale(new RegistryVar<PVRTVec3>("MapWorldToMapScale", kWorldToMapDefault))
    , mapToWorldScale(new RegistryVar<PVRTVec3>("MapToWorldScale", kMapToWorldDefault))
{
}

TranslatableScreen& CGuifMap::Page()
{
    // Built when first used, not with the rest of the HUD: its picture is a
    // large one, which a game where the map is never opened need not keep.
    if (screen)
        return *screen;
    screen = new TranslatableScreen(0, nullptr);
    RunHudPageScript(screen->GetLua(), kScriptFile, this);
    for (int colour = 0; colour < kBlobs; ++colour)
        blobs[colour] = screen->FindControl(kBlobNames[colour]);
    Guif::Control* map = screen->FindControl("Map");
    Guif::TransformedSprite* picture = FindTransformedSprite(screen.Get(), "Map");
    if (map && picture) {
        mapX = static_cast<int>(map->CalculateX());
        mapY = static_cast<int>(map->CalculateY());
        mapWidth = static_cast<int>(picture->GetWidth());
        mapHeight = static_cast<int>(picture->GetHeight());
    } else {
        std::fprintf(stderr, "Map: %s lacks its Map picture\n", kScriptFile);
    }
    return *screen;
}

CGuifMap::~CGuifMap() = default;

MapProjection CGuifMap::Projection() const
{
    ResManager const* layout = ResManager::GetInstance();
    MapProjection projection(mapX, mapY, mapWidth, mapHeight,
                             MapProjection::ArtHeight(layout ? layout->GetAssetSize() : ResManager::AssetsNormal));
    PVRTVec3 const toMap = worldToMapScale->Get();
    PVRTVec3 const toWorld = mapToWorldScale->Get();
    projection.SetWorldToMapScale(toMap.x, toMap.z);
    projection.SetMapToWorldScale(toWorld.x, toWorld.z);
    return projection;
}

PVRTVec2 CGuifMap::WorldToMap(PVRTVec3 const& p) const
{
    MapProjection::Vec2 const at = Projection().WorldToMap(p.x, p.z);
    return PVRTVec2(at.x, at.y);
}

PVRTVec2 CGuifMap::MapToWorldXZ(PVRTVec2 const& m) const
{
    MapProjection::Vec2 const world = Projection().MapToWorldXZ({m.x, m.y});
    return PVRTVec2(world.x, world.y);
}

void CGuifMap::PositionPlayerBlob(Player* player)
{
    if (!player || player->getColor() < 0 || player->getColor() >= kBlobs || !blobs[player->getColor()])
        return;
    Car const* car = player->getCar();
    float x = 0.0f;
    float z = 0.0f;
    if (!car || !car->GetBoardPoint(x, z))
        return;
    PVRTVec2 const at = WorldToMap(PVRTVec3(x, 0.0f, z));
    Guif::Control* blob = blobs[player->getColor()];
    blob->SetX(at.x);
    blob->SetY(at.y);
    blob->SetVisibleFlag(true);
}

void CGuifMap::drawSelf(Norv::Surface* surface)
{
    TranslatableScreen& page = Page();
    if (Board* board = Board::GetBoard()) {
        for (Guif::Control* blob : blobs)
            if (blob)
                blob->SetVisibleFlag(false);
        for (int i = 0; i < board->getNumPlayers(); ++i)
            PositionPlayerBlob(board->GetPlayer(i));
    }
    page.Render(surface, 0.0f, 0.0f);
}

void CGuifMap::onTouchUp(int x, int y, int id)
{
    Page().OnTouchUp(x, y, id);
}

void CGuifMap::keyPressed(int key)
{
    Page().OnKeyDown(static_cast<Norv::KeyCode>(key));
}

int CGuifMap::l_BackKeyPressed(lua_State*)
{
    CGuiFrameTouchButton back(kBackButton);
    if (QuorvelEngine* engine = GetGameEngine())
        engine->getModeManager()->buttonSelected(&back);
    return 0;
}

int CGuifMap::l_MapPressed(lua_State* L)
{
    Norv::Lua lua(L);
    float const x = static_cast<float>(lua.CheckNumber(1));
    float const y = static_cast<float>(lua.CheckNumber(2));
    cameraTranslation = MapToWorldXZ(PVRTVec2(x, y));
    pressed = true;
    return 0;
}

} // namespace qrvl

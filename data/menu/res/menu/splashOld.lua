-- The splash: the publisher's and the developer's logos (and a partner's,
-- when the description has one) over the game's blue, then the backdrop.
-- The program fades them.
S = arialLargeBL == 34 and 1.4 or 1
screen:GetControl('root'):InsertFromXml('menu/splashOld.xml')

local backdrop = screen:GetControl('backdrop')
local developerLogo

-- The pictures of the later phases, read once the first frame is on screen
-- so that the game shows itself sooner.
function LoadLaterPictures()
  screen:GetControl('root'):InsertFromXml(SplashLaterDescription or 'menu/splashOldLater.xml')
  developerLogo = screen:GetControl('VornakLogo')
end

-- The developer's logo is shown on white, so the blue steps aside for it.
function Screen:Update(seconds)
  backdrop:SetVisibility(not (developerLogo and developerLogo:GetVisibility()))
end

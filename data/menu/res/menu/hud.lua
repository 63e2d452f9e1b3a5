-- The HUD bar: the current player's tab and figures, a message box and the
-- buttons of the turn. A button is pressed by releasing a touch on it: the
-- HUD manager hands this page touch-ups only.
S = arialLargeBL == 34 and 1.4 or 1
-- The small font grows more than the art (16 px to 24), so the texts written
-- in it get room that grows with the font: F is that growth.
F = arialSmallBL == 22 and 24 / 16 or 1
HX, HY = (screenWidth - 1024 * S) / 2, screenHeight - 768 * S
screen:GetControl('root'):InsertFromXml('menu/hud.xml')

local presses = {
  WheelButton = 'SpinnerButtonPressed',
  ExploreButton = 'ExploreButtonPressed',
  MoneyButton = 'MoneyButtonPressed',
  InvestButton = 'InvestButtonPressed',
  InfoButton = 'InfoButtonPressed',
  NextEventButton = 'NextEventButtonPressed',
}

function Screen:OnTouchUp(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  local method = hit and presses[hit:GetName()]
  if method then callback[method](callback) end
end

-- The tap-to-play bar: a touch released anywhere on it starts the turn.
S = arialLargeBL == 34 and 1.4 or 1
HX, HY = (screenWidth - 1024 * S) / 2, screenHeight - 768 * S
screen:GetControl('root'):InsertFromXml('menu/tapToPlay.xml')

function Screen:OnTouchUp(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  if hit and hit:GetName() == 'TapToPlayButton' then callback:BarTapped() end
end

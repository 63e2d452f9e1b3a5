-- The computer players' turn: a touch released on the fast-forward key
-- plays their turns faster, or back at normal speed; on the skip key it
-- skips them until the person's turn.
S = arialLargeBL == 34 and 1.4 or 1
screen:GetControl('root'):InsertFromXml('menu/aiOverlay.xml')

local presses = { ForwardKey = 'ForwardKeyPressed', SkipKey = 'SkipKeyPressed' }

function Screen:OnTouchUp(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  if hit and presses[hit:GetName()] then callback[presses[hit:GetName()]](callback) end
end

-- The computer players' turn: a touch released on the fast-forward key
-- plays their turns faster, or back at normal speed.
S = arialLargeBL == 34 and 1.4 or 1
screen:GetControl('root'):InsertFromXml('menu/aiOverlay.xml')

function Screen:OnTouchUp(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  if hit and hit:GetName() == 'ForwardKey' then callback:ForwardKeyPressed() end
end

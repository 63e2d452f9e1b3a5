-- The pause button: a touch released on it pauses the game.
S = arialLargeBL == 34 and 1.4 or 1
screen:GetControl('root'):InsertFromXml('menu/pauseOverlay.xml')

function Screen:OnTouchUp(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  if hit and hit:GetName() == 'PauseButton' then callback:PauseButtonPressed() end
end

-- The map of the board: a tap on the picture looks at that place of the
-- board; the close button or Escape goes back to looking round as before.
S = arialLargeBL == 34 and 1.4 or 1
MAP_W, MAP_H = 900 * S, 600 * S
MX, MY = math.floor((screenWidth - MAP_W) / 2), math.floor((screenHeight - MAP_H) / 2 + 20 * S)
screen:GetControl('root'):InsertFromXml('menu/map.xml')

function Screen:OnTouchUp(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  if not hit then return end
  if hit:GetName() == 'MapBack' then
    callback:BackKeyPressed()
  elseif hit:GetName() == 'Map' then
    callback:MapPressed((x - hit:GetAbsX()) / hit:GetWidth(), (y - hit:GetAbsY()) / hit:GetHeight())
  end
end

function Screen:OnKeyDown(key)
  if key == keys.KEY_ESCAPE then callback:BackKeyPressed() end
end

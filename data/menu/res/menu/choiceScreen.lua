-- What the choice screens share: the art's scale, the screen's centre, and
-- a touch that counts where it is released, handed to Released(name).
S = arialLargeBL == 34 and 1.4 or 1
CX, CY = screenWidth / 2, screenHeight / 2

function Screen:OnTouchUp(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  if hit and Released then Released(hit:GetName()) end
end

-- A control's number from its name, as in 'Card3Bkg' -> 3.
function NumberIn(name)
  return tonumber(string.match(name, '%d+'))
end

-- What every menu screen shares: the art's scale, the layout of a page on a
-- panel, and buttons that show their pressed look while held and report
-- their release through Released(name).
S = arialLargeBL == 34 and 1.4 or 1
PX, PY = screenWidth / 2 - 320 * S, screenHeight / 2 - 230 * S
BX, BY, STEP = screenWidth / 2 - 160 * S, PY + 50 * S, 60 * S

local held = nil

function Screen:OnTouchDown(x, y, id)
  held = self:GetTouchableControl(x, y)
  if held then held:SetRepresentation('pressed') end
end

function Screen:OnTouchUp(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  if held then held:SetRepresentation('default') end
  if hit and hit == held then Released(hit:GetName()) end
  held = nil
end

-- Wheel notches (positive downwards); pages that scroll replace this.
function Screen:OnWheel(steps) end

-- Menus that map their buttons hear a release as "TouchUp:<name>"; a
-- script may replace this with its own.
function Released(name)
  callback:Send('TouchUp:' .. name)
end

-- Escape sends the message of the page's way back.
function BackOnEscape(message)
  function Screen:OnKeyDown(key)
    if key == keys.KEY_ESCAPE then callback:Send(message) end
  end
end

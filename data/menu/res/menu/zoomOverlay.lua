-- The zoom keys: a press zooms one step at once, and holding the key
-- keeps zooming with the time that passes.
S = arialLargeBL == 34 and 1.4 or 1
screen:GetControl('root'):InsertFromXml('menu/zoomOverlay.xml')

-- The time one step stands for, as the mouse wheel's notch does.
local STEP = 0.07
local zooms = { ZoomInKey = 'ZoomInPressed', ZoomOutKey = 'ZoomOutPressed' }
local held = nil

local function zoom(seconds)
  callback[zooms[held]](callback, seconds)
end

function Screen:OnTouchDown(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  held = hit and zooms[hit:GetName()] and hit:GetName() or nil
  if held then zoom(STEP) end
end

function Screen:OnTouchUp(x, y, id)
  held = nil
end

function Screen:Update(seconds)
  if held then zoom(seconds) end
end

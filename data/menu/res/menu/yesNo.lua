-- The yes/no page: a question on a panel with Yes and No, or a message
-- with OK. A key is pressed by releasing a touch on it: the dialogue's
-- mode keeps touch-downs to itself.
require('menu/menuButtons.lua')
-- A window too small for the panel (down to 320 x 200) gets the compact
-- page: the text across the window in the small serif, the keys at the
-- bottom, each a button's height apart.
KEY_X, KEY_STEP = screenWidth / 2 - 160 * S, 62 * S
local compact = screenWidth < 640 * S or screenHeight < 480 * S
screen:GetControl('root'):InsertFromXml(compact and 'menu/yesNoCompact.xml' or 'menu/yesNo.xml')

local presses = { YesKey = 'YesKeyPressed', NoKey = 'NoKeyPressed', OKKey = 'OKKeyPressed' }

local function press(name)
  callback[presses[name]](callback)
end

function Screen:OnTouchUp(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  if hit and presses[hit:GetName()] then press(hit:GetName()) end
end

-- Return answers yes (or OK), Escape no (or OK).
function Screen:OnKeyDown(key)
  local okOnly = self:GetControl('OKKey'):GetVisibility()
  if key == keys.KEY_SELECT then press(okOnly and 'OKKey' or 'YesKey')
  elseif key == keys.KEY_ESCAPE then press(okOnly and 'OKKey' or 'NoKey') end
end

-- One player's status: the arrows step through the tabs, the tabs' buttons
-- buy an investment number or show the Share the Wealth cards.
require('menu/pageCalls.lua')

CallsOnRelease({
  BackButton = function() callback:BackKeyPressed() end,
  UpArrow = function() callback:UpArrowPressed() end,
  DownArrow = function() callback:DownArrowPressed() end,
  LTIButton = function() callback:InvestButtonPressed() end,
  STWButton = function() callback:STWButtonPressed() end,
}, {})
ShowPage('menu/status.xml')

-- The arrow keys step through the tabs too.
local pageKeys = Screen.OnKeyDown
function Screen:OnKeyDown(key)
  if key == keys.KEY_UP then callback:UpArrowPressed()
  elseif key == keys.KEY_DOWN then callback:DownArrowPressed()
  else pageKeys(self, key) end
end

-- The retirement statement: the home chosen, what the player retires with,
-- line by line, and OK (or Return) to settle into the new home.
require('menu/pageCalls.lua')

CallsOnRelease({ OKKey = function() callback:OKKeyPressed() end }, {})
ShowPage('menu/retire.xml')

function Screen:OnKeyDown(key)
  if key == keys.KEY_SELECT then callback:OKKeyPressed() end
end

-- The journal's pages: Previous and Next turn a page (also the left and
-- right keys), Back (or Escape) closes the book.
require('menu/pageCalls.lua')
CX, CY = screenWidth / 2, screenHeight / 2

CallsOnRelease({
  BackButton = function() callback:BackKeyPressed() end,
  PreviousButton = function() callback:PreviousKeyPressed() end,
  NextButton = function() callback:NextKeyPressed() end,
}, {})
ShowPage('menu/journal.xml')

function Screen:OnKeyDown(key)
  if key == keys.KEY_ESCAPE then callback:BackKeyPressed()
  elseif key == keys.KEY_LEFT then callback:PreviousKeyPressed()
  elseif key == keys.KEY_RIGHT then callback:NextKeyPressed() end
end

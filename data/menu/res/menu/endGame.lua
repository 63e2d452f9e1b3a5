-- The final ranking; OK (or Return) opens the journal of the best-placed
-- person. Rows beyond the number of players stay empty, their tile too.
require('menu/pageCalls.lua')

CallsOnRelease({ OKKey = function() callback:OKKeyPressed() end }, {})
ShowPage('menu/endGame.xml')

function Screen:OnKeyDown(key)
  if key == keys.KEY_SELECT then callback:OKKeyPressed() end
end

for rank = 1, 6 do
  screen:GetControl('Player' .. rank .. 'Rank'):SetVisibility(rank <= numPlayers)
  screen:GetControl('Player' .. rank .. 'Tile'):SetVisibility(rank <= numPlayers)
end

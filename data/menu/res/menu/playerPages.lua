-- What the pages about players share: colours, characters, letter keys,
-- numbers of players and listed players call the mode with their number.
require('menu/pageCalls.lua')

CallsOnRelease({
  BackButton = function() callback:BackKeyPressed() end,
  OKKey = function() callback:OKKeyPressed() end,
}, {
  { '^Colour(%d+)$', function(n) callback:ColorSelected(n) end },
  { '^Character(%d+)$', function(n) callback:PlayerSelected(n) end },
  { '^Key(%d+)$', function(n) callback:PlayerSelected(n) end },
  { '^Number(%d+)$', function(n) callback:NumPlayersSelected(n) end },
  { '^Player(%d+)Frame$', function(n) callback:PlayerSelected(n - 1) end },
})

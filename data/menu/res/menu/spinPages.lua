-- What the Spin to Win pages share: the wheel's numbers, the stake's arrows,
-- Back and OK call the mode behind them.
require('menu/pageCalls.lua')

CallsOnRelease({
  BackButton = function() callback:BackKeyPressed() end,
  OKKey = function() callback:OKKeyPressed() end,
  WagerLeftArrow = function() callback:WagerLeftArrowPressed() end,
  WagerRightArrow = function() callback:WagerRightArrowPressed() end,
}, {
  { '^Wheel(%d+)$', function(n) callback:WagerButtonPressed(n) end },
})

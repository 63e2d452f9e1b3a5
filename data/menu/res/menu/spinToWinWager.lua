-- The Spin to Win stake, raised and lowered by its arrows.
require('menu/spinPages.lua')
ShowPage('menu/spinToWinWager.xml')

-- Picking numbers of the wheel, for Spin to Win or an investment.
require('menu/spinPages.lua')
ShowPage('menu/spinToWinSelect.xml')
for n = 1, 10 do screen:GetControl('Wheel' .. n .. 'Label'):SetTextRaw(tostring(n)) end

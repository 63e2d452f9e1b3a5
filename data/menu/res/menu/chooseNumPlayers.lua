-- The set-up's page for the number of players: buttons 1 to 6.
require('menu/playerPages.lua')
ShowPage('menu/chooseNumPlayers.xml')
for n = 1, 6 do screen:GetControl('Number' .. n .. 'Label'):SetTextRaw(tostring(n)) end

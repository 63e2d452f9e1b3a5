-- The set-up's name page: the keyboard types into the name (the mode reads
-- the keys); the letter keys, the space bar and delete type too.
require('menu/playerPages.lua')
ShowPage('menu/enterName.xml')
for code = 65, 90 do screen:GetControl('Key' .. code .. 'Label'):SetTextRaw(string.char(code)) end

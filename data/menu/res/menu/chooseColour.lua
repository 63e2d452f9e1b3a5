-- The set-up's colour page.
require('menu/playerPages.lua')
ShowPlayerPage('menu/chooseColour.xml')

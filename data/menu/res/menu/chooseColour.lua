-- The set-up's colour page.
require('menu/playerPages.lua')
ShowPage('menu/chooseColour.xml')

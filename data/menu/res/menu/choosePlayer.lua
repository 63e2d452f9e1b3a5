-- The set-up's character page.
require('menu/playerPages.lua')
ShowPlayerPage('menu/choosePlayer.xml')

-- The set-up's character page.
require('menu/playerPages.lua')
ShowPage('menu/choosePlayer.xml')

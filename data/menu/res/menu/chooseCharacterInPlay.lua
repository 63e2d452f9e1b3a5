-- The players of a game, to look at or to choose one.
require('menu/playerPages.lua')
ShowPage('menu/chooseCharacterInPlay.xml')

-- The pause menu: back to the game, settings, help or quitting the game.
require('menu/menuButtons.lua')
screen:GetControl('root'):InsertFromXml('menu/pauseMenu.xml')
BackOnEscape('TouchUp:ReturnToGameButton')

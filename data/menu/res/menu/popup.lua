-- The in-game popup: the game hears a touch anywhere as the player being
-- done with it, so the page itself takes no input.
require('menu/menuButtons.lua')
screen:GetControl('root'):InsertFromXml('menu/popup.xml')

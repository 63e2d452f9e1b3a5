-- The game help: one button per topic.
require('menu/menuButtons.lua')
screen:GetControl('root'):InsertFromXml('menu/helpMenu.xml')
BackOnEscape('TouchUp:BackButton')

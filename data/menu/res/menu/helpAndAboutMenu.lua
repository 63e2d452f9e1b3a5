-- Help and about: the about page, the publisher's documents, the game help.
require('menu/menuButtons.lua')
screen:GetControl('root'):InsertFromXml('menu/helpAndAboutMenu.xml')
BackOnEscape('TouchUp:BackButton')

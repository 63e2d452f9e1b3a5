-- A family event's card: shown while the board waits on it, closed by the
-- board; it takes no touches of its own.
require('menu/choiceScreen.lua')
screen:GetControl('root'):InsertFromXml('menu/event.xml')

-- Share the Wealth cards as a carousel: the arrows or the left and right
-- keys scroll, OK (or Return, or Escape) closes the screen.
require('menu/choiceScreen.lua')
CARD_STEP = 340*S
screen:GetControl('root'):InsertFromXml('menu/showSTW.xml')
Carousel('ConfirmKey', 'ConfirmKeyPressed', true)

-- Share the Wealth cards as a carousel: the arrows or the left and right
-- keys scroll, OK (or Return, or Escape) closes the screen. Owners with a
-- way back (the status screen, Spin to Win's spin cards) get Back as well;
-- the status screen has no OK, its cards are only looked at.
require('menu/choiceScreen.lua')
CARD_STEP = 340*S
screen:GetControl('root'):InsertFromXml('menu/showSTW.xml')
Carousel(callback.ConfirmKeyPressed and 'ConfirmKey', 'ConfirmKeyPressed', true,
  callback.BackKeyPressed and 'BackButton')

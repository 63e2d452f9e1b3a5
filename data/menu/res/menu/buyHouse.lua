-- The houses on offer as a carousel of cards: the arrows or the left and
-- right keys scroll, Buy (or Return) buys the house in the middle.
require('menu/choiceScreen.lua')
CARD_STEP = 340*S
screen:GetControl('root'):InsertFromXml('menu/buyHouse.xml')
Carousel('BuyButton', 'BuyKeyPressed', false)

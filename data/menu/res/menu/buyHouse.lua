-- The houses on offer as a carousel of cards: the arrows or the left and
-- right keys scroll, Buy (or Return) buys the house in the middle.
require('menu/choiceScreen.lua')
CARD_STEP = 340*S
screen:GetControl('root'):InsertFromXml('menu/buyHouse.xml')

local presses = {
  BuyButton = 'BuyKeyPressed', LeftArrow = 'LeftArrowPressed', RightArrow = 'RightArrowPressed',
}

function Released(name)
  if presses[name] then callback[presses[name]](callback) end
end

function Screen:OnKeyDown(key)
  if key == keys.KEY_LEFT then callback:LeftArrowPressed()
  elseif key == keys.KEY_RIGHT then callback:RightArrowPressed()
  elseif key == keys.KEY_SELECT then callback:BuyKeyPressed() end
end

-- Share the Wealth cards as a carousel: the arrows or the left and right
-- keys scroll, OK (or Return, or Escape) closes the screen.
require('menu/choiceScreen.lua')
CARD_STEP = 340*S
screen:GetControl('root'):InsertFromXml('menu/showSTW.xml')

local presses = {
  ConfirmKey = 'ConfirmKeyPressed', LeftArrow = 'LeftArrowPressed', RightArrow = 'RightArrowPressed',
}

function Released(name)
  if presses[name] then callback[presses[name]](callback) end
end

function Screen:OnKeyDown(key)
  if key == keys.KEY_LEFT then callback:LeftArrowPressed()
  elseif key == keys.KEY_RIGHT then callback:RightArrowPressed()
  elseif key == keys.KEY_SELECT or key == keys.KEY_ESCAPE then callback:ConfirmKeyPressed() end
end

-- The career cards face up: a touch on a card takes it (0 left, 1 right);
-- with one card shown, OK or a touch on the card confirms it.
require('menu/choiceScreen.lua')
LEFT_X = numCareers == 1 and CX - 150*S or CX - 320*S
screen:GetControl('root'):InsertFromXml('menu/chooseCareerCards.xml')

local single = numCareers == 1
screen:GetControl('Title'):SetText(single and 'S_CAR_SAL' or 'S_CHS_CLG')
screen:GetControl('RightCard'):SetVisibility(not single)
screen:GetControl('OKKey'):SetVisibility(single)

local cards = { LeftCard = 0, RightCard = 1, OKKey = 0 }

function Released(name)
  if cards[name] then callback:CareerSelected(cards[name]) end
end

function Screen:OnKeyDown(key)
  if single then
    if key == keys.KEY_SELECT or key == keys.KEY_ESCAPE then callback:CareerSelected(0) end
  elseif key == keys.KEY_LEFT then callback:CareerSelected(0)
  elseif key == keys.KEY_RIGHT then callback:CareerSelected(1) end
end

-- The title screen: the logo over the backdrop and a column of buttons.
require('menu/menuButtons.lua')
BX, BY, STEP = screenWidth / 2 - 160 * S, 220 * S, 66 * S
screen:GetControl('root'):InsertFromXml('menu/mainMenu.xml')

-- The program says whether there is a saved game to continue.
local continueButton = screen:GetControl('ContinueButton')

function Screen:EnableContinue()
  continueButton:SetAlpha(255)
  continueButton:SetTouchable(true)
end

function Screen:DisableContinue()
  continueButton:SetAlpha(110)
  continueButton:SetTouchable(false)
end

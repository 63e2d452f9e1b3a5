-- College or career: a touch on a card, or the left and right keys,
-- answer 0 for college and 1 for a career.
require('menu/choiceScreen.lua')
screen:GetControl('root'):InsertFromXml('menu/collegeOrCareer.xml')

local paths = { CollegeButton = 0, CareerButton = 1 }

function Released(name)
  if paths[name] then callback:PathChosen(paths[name]) end
end

function Screen:OnKeyDown(key)
  if key == keys.KEY_LEFT then callback:PathChosen(0)
  elseif key == keys.KEY_RIGHT then callback:PathChosen(1) end
end

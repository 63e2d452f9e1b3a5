-- A fork of the road: two ways on cards side by side. A touch on a card,
-- or the left and right keys, answer 0 for the left way and 1 for the right.
require('menu/choiceScreen.lua')
screen:GetControl('root'):InsertFromXml('menu/pathChoice.xml')

local ways = { LeftButton = 0, RightButton = 1 }

function Released(name)
  if ways[name] then callback:PathChosen(ways[name]) end
end

function Screen:OnKeyDown(key)
  if key == keys.KEY_LEFT then callback:PathChosen(0)
  elseif key == keys.KEY_RIGHT then callback:PathChosen(1) end
end

-- A fork of the road: two ways on cards side by side. A touch on a card,
-- or the left and right keys, answer 0 for the left way and 1 for the right.
require('menu/choiceScreen.lua')
screen:GetControl('root'):InsertFromXml('menu/pathChoice.xml')
TwoWays('LeftButton', 'RightButton', function(way) callback:PathChosen(way) end)

-- College or career: a touch on a card, or the left and right keys,
-- answer 0 for college and 1 for a career.
require('menu/choiceScreen.lua')
screen:GetControl('root'):InsertFromXml('menu/collegeOrCareer.xml')
TwoWays('CollegeButton', 'CareerButton', function(path) callback:PathChosen(path) end)

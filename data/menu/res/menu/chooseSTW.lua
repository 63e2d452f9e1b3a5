-- Face-down cards to pick from: up to three in a row, four to six in two
-- rows with the first row's extra card when the count is odd. A touch on
-- a card picks it; the program counts the picks and lifts the cards.
require('menu/choiceScreen.lua')

local CARD_W, CARD_H, GAP = 150*S, 210*S, 40*S
local shown = math.max(1, math.min(cardsDisplayed or 1, 6))
local twoRows = shown >= 4
local firstRow = twoRows and math.floor((shown + 1) / 2) or shown

local function rowOf(i) return (twoRows and i > firstRow) and 2 or 1 end

function CardX(i)
  local row = rowOf(i)
  local inRow = row == 1 and firstRow or shown - firstRow
  local column = row == 1 and i - 1 or i - firstRow - 1
  return CX - (inRow * CARD_W + (inRow - 1) * GAP) / 2 + column * (CARD_W + GAP)
end

function CardY(i)
  if not twoRows then return CY - CARD_H / 2 end
  return rowOf(i) == 1 and CY - CARD_H - 30*S or CY + 50*S
end

screen:GetControl('root'):InsertFromXml('menu/chooseSTW.xml')

function Released(name)
  local n = NumberIn(name)
  if n and string.match(name, '^Card%d+Bkg$') then callback:CardSelected(n - 1) end
end

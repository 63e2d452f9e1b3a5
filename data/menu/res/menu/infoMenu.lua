-- A help or about page; the program fills the title, text and board colour.
-- A text longer than its box scrolls by wheel, drag and the arrow keys, and
-- arrows beside it show that there is more above or below.
require('menu/menuButtons.lua')
TEXT_W, TEXT_H, ARROW = 520 * S, 330 * S, 60 * S
screen:GetControl('root'):InsertFromXml('menu/infoMenu.xml')
BackOnEscape('Back')

local box = screen:GetControl('PopupTextBox')
local upArrow = screen:GetControl('UpArrow')
local downArrow = screen:GetControl('DownArrow')
-- One wheel notch or arrow key moves the text by about a line and a half.
local STEP = 40 * S

local position = 0
local drag = nil

local function Furthest()
  return math.max(0, box:GetTextHeight() - box:GetHeight())
end

local function ScrollTo(y)
  position = math.floor(math.max(0, math.min(y, Furthest())))
  box:SetPosition(position)
  upArrow:SetVisibility(position > 0)
  downArrow:SetVisibility(position < Furthest())
end

-- Called by the program once the page's text is set.
function Screen:TextChanged()
  ScrollTo(0)
end

function Screen:OnWheel(steps)
  ScrollTo(position + steps * STEP)
end

local function InsideText(x, y)
  local left, top = box:GetAbsX(), box:GetAbsY()
  return x >= left and x < left + TEXT_W and y >= top and y < top + box:GetHeight()
end

local pressButton = Screen.OnTouchDown
function Screen:OnTouchDown(x, y, id)
  if InsideText(x, y) then
    drag = { y = y, from = position }
  else
    pressButton(self, x, y, id)
  end
end

function Screen:OnTouchMove(x, y, id)
  if drag then ScrollTo(drag.from + drag.y - y) end
end

local releaseButton = Screen.OnTouchUp
function Screen:OnTouchUp(x, y, id)
  if drag then
    drag = nil
  else
    releaseButton(self, x, y, id)
  end
end

function Screen:OnKeyDown(key)
  if key == keys.KEY_ESCAPE then
    callback:Send('Back')
  elseif key == keys.KEY_DOWN then
    ScrollTo(position + STEP)
  elseif key == keys.KEY_UP then
    ScrollTo(position - STEP)
  elseif key == keys.KEY_SPACE then
    ScrollTo(position + box:GetHeight() - STEP)
  end
end

function Released(name)
  if name == 'BackButton' then
    callback:Send('Back')
  elseif name == 'UpArrow' then
    ScrollTo(position - box:GetHeight() + STEP)
  elseif name == 'DownArrow' then
    ScrollTo(position + box:GetHeight() - STEP)
  end
end

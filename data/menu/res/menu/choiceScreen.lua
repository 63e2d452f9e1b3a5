-- What the choice screens share: the art's scale, the screen's centre, and
-- a touch that counts where it is released, handed to Released(name).
S = arialLargeBL == 34 and 1.4 or 1
CX, CY = screenWidth / 2, screenHeight / 2

function Screen:OnTouchUp(x, y, id)
  local hit = self:GetTouchableControl(x, y)
  if hit and Released then Released(hit:GetName()) end
end

-- A control's number from its name, as in 'Card3Bkg' -> 3.
function NumberIn(name)
  return tonumber(string.match(name, '%d+'))
end

-- Two cards side by side: a touch on one, or the left and right keys,
-- answer 0 for the left and 1 for the right through choose(n).
function TwoWays(left, right, choose)
  local ways = { [left] = 0, [right] = 1 }
  function Released(name)
    if ways[name] then choose(ways[name]) end
  end
  function Screen:OnKeyDown(key)
    if key == keys.KEY_LEFT then choose(0)
    elseif key == keys.KEY_RIGHT then choose(1) end
  end
end

-- A carousel of cards: its arrows, a swipe sideways or the left and right
-- keys scroll, its key (or Return, and Escape when it escapes) calls the
-- key's method. With a back control, that control and Escape call the
-- owner's BackKeyPressed. Either control may be left out (nil).
local SWIPE = 60 * S

function Carousel(keyName, keyMethod, escapes, backName)
  local presses = { LeftArrow = 'LeftArrowPressed', RightArrow = 'RightArrowPressed' }
  if keyName then presses[keyName] = keyMethod end
  if backName then presses[backName] = 'BackKeyPressed' end
  function Released(name)
    if presses[name] then callback[presses[name]](callback) end
  end
  local downX = nil
  function Screen:OnTouchDown(x, y, id)
    downX = x
  end
  function Screen:OnTouchUp(x, y, id)
    local dx = downX and x - downX or 0
    downX = nil
    if dx > SWIPE then callback:LeftArrowPressed()
    elseif dx < -SWIPE then callback:RightArrowPressed()
    else
      local hit = self:GetTouchableControl(x, y)
      if hit then Released(hit:GetName()) end
    end
  end
  function Screen:OnKeyDown(key)
    if key == keys.KEY_LEFT then callback:LeftArrowPressed()
    elseif key == keys.KEY_RIGHT then callback:RightArrowPressed()
    elseif key == keys.KEY_ESCAPE and backName then callback:BackKeyPressed()
    elseif keyName and (key == keys.KEY_SELECT or (escapes and key == keys.KEY_ESCAPE)) then
      callback[keyMethod](callback)
    end
  end
end

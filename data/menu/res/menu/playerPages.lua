-- What the pages about players share: a released control becomes a call of
-- the mode behind them ("callback"), and Escape goes back.
require('menu/menuButtons.lua')

local calls = {
  { '^Colour(%d+)$', function(n) callback:ColorSelected(n) end },
  { '^Character(%d+)$', function(n) callback:PlayerSelected(n) end },
  { '^Key(%d+)$', function(n) callback:PlayerSelected(n) end },
  { '^Number(%d+)$', function(n) callback:NumPlayersSelected(n) end },
  { '^Player(%d+)Frame$', function(n) callback:PlayerSelected(n - 1) end },
}

function Released(name)
  if name == 'BackButton' then callback:BackKeyPressed() return end
  if name == 'OKKey' then callback:OKKeyPressed() return end
  for _, call in ipairs(calls) do
    local n = string.match(name, call[1])
    if n then call[2](tonumber(n)) return end
  end
end

-- Return confirms where the page has a visible OK; Escape goes back.
function Screen:OnKeyDown(key)
  local ok = self:GetControl('OKKey')
  if key == keys.KEY_SELECT and ok and ok:GetVisibility() then callback:OKKeyPressed()
  elseif key == keys.KEY_ESCAPE then callback:BackKeyPressed() end
end

function ShowPlayerPage(file)
  screen:GetControl('root'):InsertFromXml(file)
end

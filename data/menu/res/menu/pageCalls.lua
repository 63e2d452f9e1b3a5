-- Pages whose controls call the mode behind them ("callback"): a released
-- control named in the page's table, or matching one of its patterns with a
-- number, becomes that call. Return confirms where OK shows; Escape is Back.
require('menu/menuButtons.lua')

function CallsOnRelease(named, numbered)
  function Released(name)
    if named[name] then named[name]() return end
    for _, call in ipairs(numbered) do
      local n = string.match(name, call[1])
      if n then call[2](tonumber(n)) return end
    end
  end
end

function Screen:OnKeyDown(key)
  local ok = self:GetControl('OKKey')
  if key == keys.KEY_SELECT and ok and ok:GetVisibility() then callback:OKKeyPressed()
  elseif key == keys.KEY_ESCAPE then callback:BackKeyPressed() end
end

function ShowPage(file)
  screen:GetControl('root'):InsertFromXml(file)
end

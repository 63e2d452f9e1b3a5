-- The skip report: what the computer players did while their turns were
-- skipped. OK, Return or Escape plays on.
require('menu/menuButtons.lua')
screen:GetControl('root'):InsertFromXml('menu/skipReport.xml')

function Released(name)
  if name == 'OKKey' then callback:OKKeyPressed() end
end

function Screen:OnKeyDown(key)
  if key == keys.KEY_SELECT or key == keys.KEY_ESCAPE then callback:OKKeyPressed() end
end

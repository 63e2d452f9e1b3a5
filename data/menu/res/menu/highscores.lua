-- The high-score table: five rows a page, arrows between the pages, and a
-- row's journal opened by pressing it. The program fills the rows.
require('menu/menuButtons.lua')
screen:GetControl('root'):InsertFromXml('menu/highscores.xml')
BackOnEscape('Back')

function Released(name)
  if name == 'BackButton' then
    callback:Send('Back')
  else
    callback:Send('TouchUp:' .. name)
  end
end

-- A help or about page; the program fills the title, text and board colour.
require('menu/menuButtons.lua')
screen:GetControl('root'):InsertFromXml('menu/infoMenu.xml')
BackOnEscape('Back')

function Released(name)
  if name == 'BackButton' then callback:Send('Back') end
end

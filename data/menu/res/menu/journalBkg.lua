-- Behind the journal's pages: the open book on the table, with the page's
-- border along its top. Escape closes the journal.
require('menu/choiceScreen.lua')
screen:GetControl('root'):InsertFromXml('menu/journalBkg.xml')

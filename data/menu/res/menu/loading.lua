-- The loading screen: the backdrop, the logo and a line of text while a game loads.
S = arialLargeBL == 34 and 1.4 or 1
screen:GetControl('root'):InsertFromXml('menu/loading.xml')

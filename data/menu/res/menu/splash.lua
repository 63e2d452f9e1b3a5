-- The splash with a partner logo: the same screen as without one, with the
-- partner's logo among the later pictures.
SplashLaterDescription = 'menu/splash.xml'
require('menu/splashOld.lua')

-- The settings: the game's language, kept in the settings registry.
require('menu/menuButtons.lua')
screen:GetControl('root'):InsertFromXml('menu/settingsMenu.xml')
BackOnEscape('Back')

-- The languages in the order the button steps through them.
local languages = {
  { code = 'en', text = 'S_ENGLISH' }, { code = 'en_am', text = 'S_ENGLISH_US' },
  { code = 'fr', text = 'S_FRENCH' }, { code = 'it', text = 'S_ITALIAN' },
  { code = 'de', text = 'S_GERMAN' }, { code = 'es', text = 'S_SPANISH' },
}
local languageKey = '/qrvl/settings/Language'
local label = screen:GetControl('LanguageButtonLabel')

local function CurrentIndex()
  local code = registry:Get(languageKey)
  for i, language in ipairs(languages) do
    if language.code == code then return i end
  end
  return 1
end

local function ShowLanguage()
  label:SetText(languages[CurrentIndex()].text)
end

function NextLanguage()
  local next = CurrentIndex() % #languages + 1
  registry:Set(languageKey, languages[next].code)
  ShowLanguage()
end

ShowLanguage()

function Released(name)
  if name == 'BackButton' then
    callback:Send('Back')
  elseif name == 'LanguageButton' then
    NextLanguage()
  end
end

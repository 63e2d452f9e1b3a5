-- The settings: the game's language and the music and effects volumes, kept
-- in the settings registry. A volume is heard at once: the sound front
-- watches its key.
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

-- Each volume button steps through five levels, from silent to full, and
-- round again.
local levels = { 'S_VOLUME_OFF', 'S_VOLUME_LOW', 'S_VOLUME_MEDIUM', 'S_VOLUME_HIGH', 'S_VOLUME_FULL' }
local STEP = 100 / (#levels - 1)
local volumes = {
  MusicButton = { key = '/qrvl/settings/MusicVolume', text = 'S_MUSIC_VOLUME', label = 'MusicButtonLabel' },
  EffectsButton = { key = '/qrvl/settings/SfxVolume', text = 'S_SFX_VOLUME', label = 'EffectsButtonLabel' },
}

local function LevelOf(volume)
  local level = math.floor(((registry:Get(volume.key) or 50) + STEP / 2) / STEP) + 1
  return math.max(1, math.min(level, #levels))
end

local function ShowVolume(volume)
  local text = string.gsub(screen:GetText(volume.text), '\\0', screen:GetText(levels[LevelOf(volume)]), 1)
  screen:GetControl(volume.label):SetText(text)
end

local function ShowSettings()
  label:SetText(languages[CurrentIndex()].text)
  for _, volume in pairs(volumes) do ShowVolume(volume) end
end

function NextLanguage()
  local next = CurrentIndex() % #languages + 1
  registry:Set(languageKey, languages[next].code)
  ShowSettings()
end

ShowSettings()

function Released(name)
  if name == 'BackButton' then
    callback:Send('Back')
  elseif name == 'LanguageButton' then
    NextLanguage()
  elseif volumes[name] then
    local volume = volumes[name]
    registry:Set(volume.key, (LevelOf(volume) % #levels) * STEP)
    ShowVolume(volume)
  end
end

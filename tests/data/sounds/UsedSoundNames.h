// Finds the sound names that the program plays, so the sound check can look
// for each of them in the built data.
#pragma once

#include <map>
#include <string>

// Name -> where it was first seen ("src/qrvl/x.cpp:12"). Taken from the
// lowercase string literals on the lines of src/ and of data/'s scripts that
// call something named after a sound (playSound, PlayMenuSound,
// payWithSound ...) or set a variable named sound; from the journal's
// events; from the board's scenery and ground, whose tap sounds sit in the
// world's loading tables; and the journal viewer's page turn.
std::map<std::string, std::string> FindUsedSoundNames(std::string const& sourceRoot);

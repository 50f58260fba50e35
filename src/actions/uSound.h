#pragma once

#include <string>

#include "platform/uSoundPlayer.h"

// Plays a WAV file. With Wait it returns when the sound has finished; without, as soon as it
// plays. Never falls back to the system's default sound.
bool PlaySoundFile(TSoundPlayer& Player, const std::string& File, bool Wait);

// Plays a WAV resource of the program; Loop repeats it until another sound or StopSound, and
// only without Wait. False when the resource is missing or cannot be loaded.
bool PlaySoundResource(TSoundPlayer& Player, const std::string& Name, const std::string& Type,
                       bool Wait, bool Loop);

// Stops whatever sound the program plays.
bool StopSound(TSoundPlayer& Player);

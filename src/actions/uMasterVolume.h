#pragma once

#include "platform/uAudioVolume.h"
#include "platform/uSystemVersion.h"

// Mutes or unmutes the default output: through Core Audio on Vista and later, through the legacy
// mixer before. True when the output took the state.
bool SetMasterMute(const TSystemVersion& Version, TAudioVolume& Volume, bool Mute);

// The Core Audio way: the default render endpoint of the console role.
bool SetEndpointMute(TAudioVolume& Volume, bool Mute);

// The legacy way: the mute control of the first destination line of the first mixer device.
bool SetMixerMute(TAudioVolume& Volume, bool Mute);

#pragma once

#include "platform/uAudioVolume.h"

// Core Audio's endpoint volume, and the legacy winmm mixer. Each call sets COM up for the calling
// thread itself and keeps nothing between calls.
class TWin32AudioVolume : public TAudioVolume {
 public:
  bool SetEndpointMute(bool Mute) override;
  std::uint32_t MixerDeviceCount() override;
  std::unique_ptr<TMixerDevice> OpenMixer(std::uint32_t Device, bool WithNotifyWindow) override;
};

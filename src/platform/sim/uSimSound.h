#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/uAudioVolume.h"
#include "platform/uSoundPlayer.h"

// The simulated sound system: a player and the master volume that record every call in Calls,
// in order, and answer from a script. Nothing is heard.
class TSimSound : public TSoundPlayer, public TAudioVolume {
 public:
  // One scripted mixer device.
  struct TMixer {
    // Destination lines by index: their line identifier, none when the query fails.
    std::vector<std::optional<std::uint32_t>> Destinations{std::uint32_t{0xFFFF0000}};
    // Controls by (line identifier, control type): their control identifier.
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::uint32_t> Controls{
        {{0xFFFF0000, 0x20010002}, 7}};
    int FailedOpens = 0;  // how many attempts to open it fail before one works
    bool SetSucceeds = true;
  };

  bool PlayFile(const std::string& File, std::uint32_t Flags) override;
  bool PlayResource(const std::string& Name, const std::string& Type, std::uint32_t Flags) override;
  bool PlayNothing(std::uint32_t Flags) override;

  bool SetEndpointMute(bool Mute) override;
  std::uint32_t MixerDeviceCount() override;
  std::unique_ptr<TMixerDevice> OpenMixer(std::uint32_t Device, bool WithNotifyWindow) override;

  // Player script.
  bool PlaySucceeds = true;
  std::vector<std::string> Resources{"ALARM/WAVE"};  // NAME/TYPE in upper case

  // Volume script and state.
  bool HasEndpoint = true;
  std::optional<bool> EndpointMuted;
  std::vector<TMixer> Mixers;  // none by default: a Vista-era machine without legacy devices

  std::vector<std::string> Calls;

 private:
  class TSimMixerDevice;
};

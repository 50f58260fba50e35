#include "platform/sim/uSimSound.h"

#include <algorithm>
#include <cstdio>

#include "core/uStringUtils.h"

namespace {

std::string Hex(std::uint32_t Value) {
  char Buffer[16];
  std::snprintf(Buffer, sizeof Buffer, "0x%08X", Value);
  return Buffer;
}

}  // namespace

class TSimSound::TSimMixerDevice : public TMixerDevice {
 public:
  TSimMixerDevice(TSimSound& Owner, TMixer& Mixer) : FOwner(Owner), FMixer(Mixer) {}
  ~TSimMixerDevice() override { FOwner.Calls.push_back("mixerClose"); }

  std::uint32_t DestinationCount() override {
    return static_cast<std::uint32_t>(FMixer.Destinations.size());
  }
  std::optional<std::uint32_t> DestinationLineId(std::uint32_t Destination) override {
    FOwner.Calls.push_back("mixerGetLineInfoA destination " + std::to_string(Destination));
    if (Destination >= FMixer.Destinations.size())
      return std::nullopt;
    return FMixer.Destinations[Destination];
  }
  std::optional<std::uint32_t> FindLineControl(std::uint32_t LineId,
                                               std::uint32_t ControlType) override {
    FOwner.Calls.push_back("mixerGetLineControlsA line " + Hex(LineId) + " type " +
                           Hex(ControlType));
    const auto It = FMixer.Controls.find({LineId, ControlType});
    if (It == FMixer.Controls.end())
      return std::nullopt;
    return It->second;
  }
  bool SetControlValue(std::uint32_t ControlId, std::uint32_t Value) override {
    FOwner.Calls.push_back("mixerSetControlDetails control " + std::to_string(ControlId) +
                           " value " + std::to_string(Value));
    return FMixer.SetSucceeds;
  }

 private:
  TSimSound& FOwner;
  TMixer& FMixer;
};

bool TSimSound::PlayFile(const std::string& File, std::uint32_t Flags) {
  Calls.push_back("sndPlaySound \"" + File + "\" " + Hex(Flags));
  return PlaySucceeds;
}

bool TSimSound::PlayResource(const std::string& Name, const std::string& Type,
                             std::uint32_t Flags) {
  const std::string Key = UpperCaseAscii(Name) + "/" + UpperCaseAscii(Type);
  if (std::find(Resources.begin(), Resources.end(), Key) == Resources.end())
    return false;
  Calls.push_back("sndPlaySound resource " + Key + " " + Hex(Flags));
  return PlaySucceeds;
}

bool TSimSound::PlayNothing(std::uint32_t Flags) {
  Calls.push_back("sndPlaySound nil " + Hex(Flags));
  return true;
}

bool TSimSound::SetEndpointMute(bool Mute) {
  if (!HasEndpoint)
    return false;
  Calls.push_back(std::string("IAudioEndpointVolume SetMute ") + (Mute ? "1" : "0"));
  EndpointMuted = Mute;
  return true;
}

std::uint32_t TSimSound::MixerDeviceCount() {
  return static_cast<std::uint32_t>(Mixers.size());
}

std::unique_ptr<TMixerDevice> TSimSound::OpenMixer(std::uint32_t Device, bool WithNotifyWindow) {
  Calls.push_back("mixerOpen " + std::to_string(Device) +
                  (WithNotifyWindow ? " CALLBACK_WINDOW" : " no callback"));
  if (Device >= Mixers.size())
    return nullptr;
  TMixer& Mixer = Mixers[Device];
  if (Mixer.FailedOpens > 0) {
    --Mixer.FailedOpens;
    return nullptr;
  }
  return std::make_unique<TSimMixerDevice>(*this, Mixer);
}

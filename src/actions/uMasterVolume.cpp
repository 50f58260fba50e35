#include "actions/uMasterVolume.h"

#include <memory>

#include "actions/uWindowsVersion.h"

namespace {

constexpr std::uint32_t MIXERCONTROL_CONTROLTYPE_MUTE_ID = 0x20010002;

// The mixer's first device, opened with a notification window when it can be, twice, because a
// busy driver may refuse the first attempt; without one as the last resort.
std::unique_ptr<TMixerDevice> OpenFirstMixer(TAudioVolume& Volume) {
  if (Volume.MixerDeviceCount() == 0)
    return nullptr;
  for (const bool WithWindow : {true, true, false})
    if (auto Mixer = Volume.OpenMixer(0, WithWindow))
      return Mixer;
  return nullptr;
}

}  // namespace

bool SetMasterMute(const TSystemVersion& Version, TAudioVolume& Volume, bool Mute) {
  if (IsWindowsVistaOrLater(Version.OsVersion()))
    return SetEndpointMute(Volume, Mute);
  return SetMixerMute(Volume, Mute);
}

bool SetEndpointMute(TAudioVolume& Volume, bool Mute) {
  return Volume.SetEndpointMute(Mute);
}

bool SetMixerMute(TAudioVolume& Volume, bool Mute) {
  const auto Mixer = OpenFirstMixer(Volume);
  if (!Mixer)
    return false;
  // The first destination that answers its query counts as the first; on a sound card that is
  // the speakers.
  std::optional<std::uint32_t> LineId;
  const std::uint32_t Count = Mixer->DestinationCount();
  for (std::uint32_t Destination = 0; Destination < Count && !LineId; ++Destination)
    LineId = Mixer->DestinationLineId(Destination);
  if (!LineId)
    return false;
  const auto Control = Mixer->FindLineControl(*LineId, MIXERCONTROL_CONTROLTYPE_MUTE_ID);
  if (!Control)
    return false;
  return Mixer->SetControlValue(*Control, Mute ? 1 : 0);
}

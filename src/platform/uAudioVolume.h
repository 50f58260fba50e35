#pragma once

#include <cstdint>
#include <memory>
#include <optional>

// One open device of the legacy mixer (winmm), closed when the object goes.
class TMixerDevice {
 public:
  virtual ~TMixerDevice() = default;

  // The number of destination lines its capabilities report.
  virtual std::uint32_t DestinationCount() = 0;
  // The line identifier of a destination line; none when its query fails.
  virtual std::optional<std::uint32_t> DestinationLineId(std::uint32_t Destination) = 0;
  // The identifier of the line's first control of that type; none when it has none.
  virtual std::optional<std::uint32_t> FindLineControl(std::uint32_t LineId,
                                                       std::uint32_t ControlType) = 0;
  // Sets a control to one 32-bit value on one channel; true when the mixer took it.
  virtual bool SetControlValue(std::uint32_t ControlId, std::uint32_t Value) = 0;
};

// The master volume of the default output: the Core Audio endpoint on Vista and later, the
// legacy mixer before.
class TAudioVolume {
 public:
  virtual ~TAudioVolume() = default;

  // Mutes or unmutes the default render endpoint of the console role; true when the endpoint
  // is in that state afterwards, also when it was before.
  virtual bool SetEndpointMute(bool Mute) = 0;

  virtual std::uint32_t MixerDeviceCount() = 0;
  // Opens a mixer device, with a window of its own for the mixer's change notifications or
  // without one; none when the device cannot be opened.
  virtual std::unique_ptr<TMixerDevice> OpenMixer(std::uint32_t Device, bool WithNotifyWindow) = 0;
};

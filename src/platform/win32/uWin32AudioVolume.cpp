#include "platform/win32/uWin32AudioVolume.h"

#include "platform/win32/uWin32Com.h"
#include "platform/win32/uWin32Handles.h"

#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <mmsystem.h>

namespace {

// Spelt out rather than taken from the import libraries, which not every tool chain carries.
constexpr CLSID CLSID_MMDeviceEnumeratorId = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
constexpr IID IID_IMMDeviceEnumeratorId = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
constexpr IID IID_IAudioEndpointVolumeId = {
    0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};

class TMixerHandle {
 public:
  TMixerHandle() = default;
  ~TMixerHandle() {
    if (FMixer)
      mixerClose(FMixer);
  }
  TMixerHandle(const TMixerHandle&) = delete;
  TMixerHandle& operator=(const TMixerHandle&) = delete;
  HMIXER* Receive() { return &FMixer; }
  // A failed open leaves nothing to close, whatever it wrote into the handle.
  void Forget() { FMixer = nullptr; }
  HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(FMixer); }
  explicit operator bool() const { return FMixer != nullptr; }

 private:
  HMIXER FMixer = nullptr;
};

class TWin32MixerDevice : public TMixerDevice {
 public:
  // Closes the mixer before the window its notifications went to.
  TWin32MixerDevice(TWindowHandle Window, std::unique_ptr<TMixerHandle> Mixer)
      : FWindow(std::move(Window)), FMixer(std::move(Mixer)) {}

  std::uint32_t DestinationCount() override {
    MIXERCAPSW Caps{};
    if (mixerGetDevCapsW(reinterpret_cast<UINT_PTR>(FMixer->Object()), &Caps, sizeof Caps) !=
        MMSYSERR_NOERROR)
      return 0;
    return Caps.cDestinations;
  }

  std::optional<std::uint32_t> DestinationLineId(std::uint32_t Destination) override {
    MIXERLINEW Line{};
    Line.cbStruct = sizeof Line;
    Line.dwDestination = Destination;
    if (mixerGetLineInfoW(FMixer->Object(), &Line,
                          MIXER_GETLINEINFOF_DESTINATION | MIXER_OBJECTF_HMIXER) !=
        MMSYSERR_NOERROR)
      return std::nullopt;
    return Line.dwLineID;
  }

  std::optional<std::uint32_t> FindLineControl(std::uint32_t LineId,
                                               std::uint32_t ControlType) override {
    MIXERCONTROLW Control{};
    Control.cbStruct = sizeof Control;
    MIXERLINECONTROLSW Controls{};
    Controls.cbStruct = sizeof Controls;
    Controls.dwLineID = LineId;
    Controls.dwControlType = ControlType;
    Controls.cControls = 1;
    Controls.cbmxctrl = sizeof Control;
    Controls.pamxctrl = &Control;
    if (mixerGetLineControlsW(FMixer->Object(), &Controls,
                              MIXER_GETLINECONTROLSF_ONEBYTYPE | MIXER_OBJECTF_HMIXER) !=
        MMSYSERR_NOERROR)
      return std::nullopt;
    return Control.dwControlID;
  }

  bool SetControlValue(std::uint32_t ControlId, std::uint32_t Value) override {
    DWORD Detail = Value;
    MIXERCONTROLDETAILS Details{};
    Details.cbStruct = sizeof Details;
    Details.dwControlID = ControlId;
    Details.cChannels = 1;
    Details.cMultipleItems = 0;
    Details.cbDetails = sizeof Detail;
    Details.paDetails = &Detail;
    return mixerSetControlDetails(FMixer->Object(), &Details,
                                  MIXER_SETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER) ==
           MMSYSERR_NOERROR;
  }

 private:
  TWindowHandle FWindow;
  std::unique_ptr<TMixerHandle> FMixer;
};

}  // namespace

bool TWin32AudioVolume::SetEndpointMute(bool Mute) {
  TComInitialization Com;
  TComPtr<IMMDeviceEnumerator> Enumerator;
  if (FAILED(CoCreateInstance(CLSID_MMDeviceEnumeratorId, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IMMDeviceEnumeratorId, Enumerator.ReceiveVoid())))
    return false;
  TComPtr<IMMDevice> Device;
  if (FAILED(Enumerator->GetDefaultAudioEndpoint(eRender, eConsole, Device.Receive())))
    return false;
  TComPtr<IAudioEndpointVolume> Volume;
  if (FAILED(Device->Activate(IID_IAudioEndpointVolumeId, CLSCTX_INPROC_SERVER, nullptr,
                              Volume.ReceiveVoid())))
    return false;
  // S_FALSE says the output was in that state already, which is what was asked for.
  return SUCCEEDED(Volume->SetMute(Mute ? TRUE : FALSE, nullptr));
}

std::uint32_t TWin32AudioVolume::MixerDeviceCount() {
  return mixerGetNumDevs();
}

std::unique_ptr<TMixerDevice> TWin32AudioVolume::OpenMixer(std::uint32_t Device,
                                                           bool WithNotifyWindow) {
  // Nobody listens to the mixer's change notifications; the window only has to exist, so a
  // message-only static control does.
  TWindowHandle Window;
  if (WithNotifyWindow) {
    Window.reset(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
    if (!Window)
      return nullptr;
  }
  auto Mixer = std::make_unique<TMixerHandle>();
  const MMRESULT Result =
      WithNotifyWindow ? mixerOpen(Mixer->Receive(), Device,
                                   reinterpret_cast<DWORD_PTR>(Window.get()), 0, CALLBACK_WINDOW)
                       : mixerOpen(Mixer->Receive(), Device, 0, 0, MIXER_OBJECTF_MIXER);
  if (Result != MMSYSERR_NOERROR) {
    Mixer->Forget();
    return nullptr;
  }
  return std::make_unique<TWin32MixerDevice>(std::move(Window), std::move(Mixer));
}

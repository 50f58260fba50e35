#include "platform/win32/uWin32SoundPlayer.h"

#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWindows.h"

#include <mmsystem.h>

bool TWin32SoundPlayer::PlayFile(const std::string& File, std::uint32_t Flags) {
  return sndPlaySoundW(Utf8ToWide(File).c_str(), Flags) != FALSE;
}

bool TWin32SoundPlayer::PlayResource(const std::string& Name, const std::string& Type,
                                     std::uint32_t Flags) {
  const HMODULE Module = GetModuleHandleW(nullptr);
  const HRSRC Resource = FindResourceW(Module, Utf8ToWide(Name).c_str(), Utf8ToWide(Type).c_str());
  if (!Resource)
    return false;
  // A loaded resource lives as long as the module, so a sound that plays on after this call
  // still has its bytes.
  const HGLOBAL Loaded = LoadResource(Module, Resource);
  const void* Bytes = Loaded ? LockResource(Loaded) : nullptr;
  if (!Bytes)
    return false;
  return sndPlaySoundW(static_cast<LPCWSTR>(Bytes), Flags) != FALSE;
}

bool TWin32SoundPlayer::PlayNothing(std::uint32_t Flags) {
  return sndPlaySoundW(nullptr, Flags) != FALSE;
}

#pragma once

#include "platform/uSoundPlayer.h"

// sndPlaySound with wide file names, so any path plays; resources come from the program's own
// module.
class TWin32SoundPlayer : public TSoundPlayer {
 public:
  bool PlayFile(const std::string& File, std::uint32_t Flags) override;
  bool PlayResource(const std::string& Name, const std::string& Type, std::uint32_t Flags) override;
  bool PlayNothing(std::uint32_t Flags) override;
};

#include "actions/uSound.h"

#include <cstdint>

namespace {

constexpr std::uint32_t SND_ASYNC_FLAG = 0x0001;
constexpr std::uint32_t SND_NODEFAULT_FLAG = 0x0002;
constexpr std::uint32_t SND_MEMORY_FLAG = 0x0004;
constexpr std::uint32_t SND_LOOP_FLAG = 0x0008;
constexpr std::uint32_t SND_FILENAME_FLAG = 0x00020000;

}  // namespace

bool PlaySoundFile(TSoundPlayer& Player, const std::string& File, bool Wait) {
  std::uint32_t Flags = SND_FILENAME_FLAG | SND_NODEFAULT_FLAG;
  if (!Wait)
    Flags |= SND_ASYNC_FLAG;
  return Player.PlayFile(File, Flags);
}

bool PlaySoundResource(TSoundPlayer& Player, const std::string& Name, const std::string& Type,
                       bool Wait, bool Loop) {
  std::uint32_t Flags = SND_MEMORY_FLAG | SND_NODEFAULT_FLAG;
  if (!Wait)
    Flags |= SND_ASYNC_FLAG;
  // A looping sound that the call waited for would never return.
  if (Loop && !Wait)
    Flags |= SND_LOOP_FLAG;
  return Player.PlayResource(Name, Type, Flags);
}

bool StopSound(TSoundPlayer& Player) {
  return Player.PlayNothing(SND_FILENAME_FLAG | SND_NODEFAULT_FLAG);
}

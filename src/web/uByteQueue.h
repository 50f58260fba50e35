#pragma once

#include <cstddef>
#include <cstring>
#include <vector>

// Bytes received and not yet consumed. Space for the next read is taken at the end; consumed
// bytes are dropped from the front without moving the rest until room is needed.
class TByteQueue {
 public:
  const char* Data() const { return FBytes.data() + FBegin; }
  std::size_t Size() const { return FEnd - FBegin; }
  bool Empty() const { return FBegin == FEnd; }

  void Consume(std::size_t Count) {
    FBegin += Count;
    if (FBegin == FEnd)
      FBegin = FEnd = 0;
  }

  // Room for at least Count more bytes; Commit says how many were written there.
  char* Reserve(std::size_t Count) {
    if (FBytes.size() - FEnd < Count) {
      if (FBegin > 0) {
        std::memmove(FBytes.data(), FBytes.data() + FBegin, FEnd - FBegin);
        FEnd -= FBegin;
        FBegin = 0;
      }
      if (FBytes.size() - FEnd < Count)
        FBytes.resize(FEnd + Count);
    }
    return FBytes.data() + FEnd;
  }
  void Commit(std::size_t Count) { FEnd += Count; }

  void Append(const char* Bytes, std::size_t Count) {
    if (Count == 0)
      return;
    std::memcpy(Reserve(Count), Bytes, Count);
    Commit(Count);
  }

 private:
  std::vector<char> FBytes;
  std::size_t FBegin = 0;
  std::size_t FEnd = 0;
};

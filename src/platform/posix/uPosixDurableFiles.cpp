#include "platform/uDurableFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace {

[[noreturn]] void RaiseErrno() {
  throw std::runtime_error(std::generic_category().message(errno));
}

// Closes the descriptor when the write fails half-way.
class TDescriptor {
 public:
  explicit TDescriptor(int Descriptor) : FDescriptor(Descriptor) {}
  ~TDescriptor() {
    if (FDescriptor >= 0)
      ::close(FDescriptor);
  }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Get() const { return FDescriptor; }
  int Release() { return std::exchange(FDescriptor, -1); }

 private:
  int FDescriptor;
};

}  // namespace

void WriteNewFileThrough(const std::filesystem::path& FileName, std::string_view Bytes) {
  TDescriptor File(::open(FileName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (File.Get() < 0)
    RaiseErrno();
  // A half-written file is of no use to anyone: it goes again when a step fails.
  auto Fail = [&] {
    const int Error = errno;
    ::close(File.Release());
    ::unlink(FileName.c_str());
    throw std::runtime_error(std::generic_category().message(Error));
  };
  while (!Bytes.empty()) {
    const ssize_t Written = ::write(File.Get(), Bytes.data(), Bytes.size());
    if (Written < 0) {
      if (errno == EINTR)
        continue;
      Fail();
    }
    Bytes.remove_prefix(static_cast<std::size_t>(Written));
  }
  if (::fsync(File.Get()) != 0)
    Fail();
  if (::close(File.Release()) != 0) {
    const int Error = errno;
    ::unlink(FileName.c_str());
    throw std::runtime_error(std::generic_category().message(Error));
  }
}

void ReplaceFileAtomically(const std::filesystem::path& Source,
                           const std::filesystem::path& Target) {
  if (::rename(Source.c_str(), Target.c_str()) != 0)
    RaiseErrno();
  // The new name lives in the folder: without syncing it a crash could bring back the old file.
  // The file itself is already complete, so a failure here is not worth failing the save for.
  std::filesystem::path Folder = Target.parent_path();
  if (Folder.empty())
    Folder = ".";
  TDescriptor Directory(::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (Directory.Get() >= 0)
    ::fsync(Directory.Get());
}

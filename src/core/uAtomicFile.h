#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "core/uKoException.h"

class EFileSave : public EKoException {
 public:
  using EKoException::EKoException;
};

// The last step of a save: puts the finished temporary file in the place of the target. Tests
// pass their own to fail at exactly that moment.
using TFileReplacer = std::function<void(const std::filesystem::path& Temporary,
                                         const std::filesystem::path& Target)>;

// Rewrites Target whole so that a crash, a full disk or a failing step never destroys it: the
// bytes go to a new temporary file in the same folder, are forced to the disk, and only then
// replace Target in one step. Target's folder is created when missing. On failure the temporary
// file is removed, Target is left as it was, and EFileSave says why.
void SaveFileAtomically(const std::filesystem::path& Target, std::string_view Bytes,
                        const TFileReplacer& Replace = {});

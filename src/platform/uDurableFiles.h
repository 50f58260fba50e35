#pragma once

#include <filesystem>
#include <string_view>

// The two steps of a safe whole-file rewrite that only the operating system can guarantee. Each
// platform build brings its own implementation; failures raise std::runtime_error carrying the
// system's reason.

// Creates FileName, which must not exist yet, with Bytes as its content and returns only when
// the system has written them to the disk, so that a crash right after cannot leave it empty.
void WriteNewFileThrough(const std::filesystem::path& FileName, std::string_view Bytes);

// Puts Source in the place of Target (which may exist) in one step: whoever opens Target sees
// either the old file or the new one, never a mixture, also after a crash.
void ReplaceFileAtomically(const std::filesystem::path& Source,
                           const std::filesystem::path& Target);

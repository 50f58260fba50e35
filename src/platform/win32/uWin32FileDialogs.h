#pragma once

#include "platform/uFileDialogs.h"

// The common file dialogs and the shell's folder browser, owned by the active window of the
// calling thread (the item editor while it is open).
class TWin32FileDialogs : public TFileDialogs {
 public:
  std::optional<std::string> OpenFile(const TFileDialogOptions& Options) override;
  std::optional<std::string> SaveFile(const TFileDialogOptions& Options) override;
  std::optional<std::string> SelectDirectory(const std::string& Title,
                                             const std::string& InitialDir) override;
};

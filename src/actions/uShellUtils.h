#pragma once

#include <cstdint>
#include <string>

#include "core/uKoException.h"
#include "platform/uShell.h"
#include "platform/uUserInterface.h"

class EShellError : public EKoException {
 public:
  using EKoException::EKoException;
};

// Opens a document, program or address as a double click in the shell would; false when the
// shell could not, and nothing is shown.
bool ShellOpen(TShell& Shell, const std::string& File);

// The same, telling the user in a warning box why it failed.
bool ShellOpenWithError(TShell& Shell, TUserInterface& UserInterface, const std::string& File);

// The system error code whose text explains a failure value of ShellExecute. Most values are
// system error codes already; the shell's own ones (0 and 26 to 32) are not, and would be
// explained with an unrelated text.
std::uint32_t ShellExecuteErrorCode(std::intptr_t Value);

// Minimises every window, as the task bar's "Show the desktop" does. Raises EShellError when
// the shell cannot.
void ShellMinimizeAll(TShell& Shell);

// Writes a shell link file. The icon is set only when IconFile is given and IconIndex is 0 or
// more.
bool CreateShortcut(TShell& Shell, const std::string& LinkFile, const std::string& Target,
                    const std::string& Description, const std::string& WorkingDirectory,
                    const std::string& Arguments, const std::string& IconFile, int IconIndex);

#pragma once

#include <string>
#include <vector>

#include "core/uKoException.h"
#include "platform/uProcesses.h"

// A process could not be started; the message says which command and why.
class EProcessLaunch : public EKoException {
 public:
  using EKoException::EKoException;
};

// The one way the program starts processes. With UseCommandLine the text is the whole command
// line and reaches the system unchanged, so the system splits it as the user wrote it;
// otherwise it is the executable, and the executable and each parameter are quoted by
// QuoteParameter and joined with spaces. A non-empty Directory becomes the new process's current
// directory. With Wait the call returns the process's exit code once it has ended, otherwise 0
// as soon as it runs. Raises EProcessLaunch for an empty command or a failed start.
int StartProcess(TProcessSystem& Processes, const std::string& ExecutableOrCommandLine,
                 const std::string& Directory, const std::vector<std::string>& Parameters,
                 bool UseCommandLine, bool Wait);

int StartProgram(TProcessSystem& Processes, const std::string& Executable,
                 const std::string& Directory, const std::vector<std::string>& Parameters,
                 bool Wait);

int StartCommandLine(TProcessSystem& Processes, const std::string& CommandLine,
                     const std::string& Directory, bool Wait);

// Wraps a part of a command line in double quotes when it holds a space. A part that holds a
// double quote already is taken as quoted by its author and left alone.
std::string QuoteParameter(const std::string& Part);

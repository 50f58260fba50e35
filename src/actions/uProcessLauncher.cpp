#include "actions/uProcessLauncher.h"

#include <cstdint>

#include "actions/uActionStrings.h"
#include "actions/uTextCompare.h"
#include "core/uFormat.h"

std::string QuoteParameter(const std::string& Part) {
  if (Part.find(' ') != std::string::npos && Part.find('"') == std::string::npos)
    return '"' + Part + '"';
  return Part;
}

int StartProcess(TProcessSystem& Processes, const std::string& ExecutableOrCommandLine,
                 const std::string& Directory, const std::vector<std::string>& Parameters,
                 bool UseCommandLine, bool Wait) {
  // A blank command would reach the system only to fail with a puzzling "file not found".
  if (IsBlank(ExecutableOrCommandLine))
    throw EProcessLaunch(ResStr(uprocesslauncher::sexecutableempty));

  TLaunchRequest Request;
  if (UseCommandLine) {
    Request.CommandLine = ExecutableOrCommandLine;
  } else {
    Request.CommandLine = QuoteParameter(ExecutableOrCommandLine);
    for (const std::string& Parameter : Parameters)
      Request.CommandLine += ' ' + QuoteParameter(Parameter);
  }
  Request.WorkingDirectory = Directory;
  Request.Wait = Wait;

  const TLaunchResult Result = Processes.Launch(Request);
  if (!Result.Started)
    throw EProcessLaunch(Format(ResStr(uprocesslauncher::sfailedtoexecute),
                                {Request.CommandLine, Result.ErrorCode}));
  // Exit codes are 32-bit values that programs often use as signed ones (-1, NTSTATUS codes).
  return Wait ? static_cast<int>(static_cast<std::int32_t>(Result.ExitCode)) : 0;
}

int StartProgram(TProcessSystem& Processes, const std::string& Executable,
                 const std::string& Directory, const std::vector<std::string>& Parameters,
                 bool Wait) {
  return StartProcess(Processes, Executable, Directory, Parameters, false, Wait);
}

int StartCommandLine(TProcessSystem& Processes, const std::string& CommandLine,
                     const std::string& Directory, bool Wait) {
  return StartProcess(Processes, CommandLine, Directory, {}, true, Wait);
}

#include "platform/win32/uWin32Shell.h"

#include <gtest/gtest.h>

#include "actions/uShellUtils.h"
#include "platform/win32/uWin32Com.h"
#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWin32WindowSystem.h"
#include "uTestChildProcess.h"

#include <shlobj.h>

namespace {

struct TLinkContents {
  std::wstring Path, Arguments, Description, WorkingDirectory, IconFile;
  int IconIndex = -1;
};

// Reads a link file back the way the shell does.
bool ReadLink(const std::string& LinkFile, TLinkContents& Contents) {
  TComInitialization Com;
  TComPtr<IShellLinkW> Link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              Link.ReceiveVoid())))
    return false;
  TComPtr<IPersistFile> File;
  if (FAILED(Link->QueryInterface(IID_IPersistFile, File.ReceiveVoid())))
    return false;
  if (FAILED(File->Load(Utf8ToWide(LinkFile).c_str(), STGM_READ)))
    return false;
  wchar_t Buffer[MAX_PATH * 2];
  auto Text = [&] { return std::wstring(Buffer); };
  Link->GetPath(Buffer, MAX_PATH, nullptr, SLGP_RAWPATH);
  Contents.Path = Text();
  Link->GetArguments(Buffer, MAX_PATH);
  Contents.Arguments = Text();
  Link->GetDescription(Buffer, MAX_PATH);
  Contents.Description = Text();
  Link->GetWorkingDirectory(Buffer, MAX_PATH);
  Contents.WorkingDirectory = Text();
  Link->GetIconLocation(Buffer, MAX_PATH, &Contents.IconIndex);
  Contents.IconFile = Text();
  return true;
}

int VisibleDialogCount() {
  int Count = 0;
  HWND Dialog = nullptr;
  while ((Dialog = FindWindowExW(nullptr, Dialog, L"#32770", nullptr)) != nullptr)
    if (IsWindowVisible(Dialog))
      ++Count;
  return Count;
}

class Win32ShellTest : public testing::Test {
 protected:
  TWin32Shell Shell;
  TTestFolder Folder;
};

TEST_F(Win32ShellTest, AShortcutReadsBackAsWritten) {
  const std::string Target = CopyChildProgram(Folder, "kvchild.exe");
  const std::string LinkFile = Folder.Path("Night shift.lnk");
  ASSERT_TRUE(CreateShortcut(Shell, LinkFile, Target, "Night shift", Folder.Path(),
                             "/preset \"Night shift\"", Target, 0));
  TLinkContents Link;
  ASSERT_TRUE(ReadLink(LinkFile, Link));
  EXPECT_EQ(WideToUtf8(Link.Path), Target);
  EXPECT_EQ(WideToUtf8(Link.Arguments), "/preset \"Night shift\"");
  EXPECT_EQ(WideToUtf8(Link.Description), "Night shift");
  EXPECT_EQ(WideToUtf8(Link.WorkingDirectory), Folder.Path());
  EXPECT_EQ(WideToUtf8(Link.IconFile), Target);
  EXPECT_EQ(Link.IconIndex, 0);
}

TEST_F(Win32ShellTest, AShortcutIntoAMissingFolderIsAFailure) {
  EXPECT_FALSE(
      CreateShortcut(Shell, Folder.Path("no such folder\\x.lnk"), "C:\\x.exe", "", "", "", "", 0));
}

TEST_F(Win32ShellTest, OpeningAMissingFileFailsWithoutABox) {
  const int DialogsBefore = VisibleDialogCount();
  // Were a box shown, the call would not return until someone closed it.
  EXPECT_FALSE(ShellOpen(Shell, Folder.Path("missing document.txt")));
  EXPECT_EQ(VisibleDialogCount(), DialogsBefore);
}

TEST_F(Win32ShellTest, OpeningAProgramRunsIt) {
  // Without arguments the child ends at once.
  EXPECT_TRUE(ShellOpen(Shell, CopyChildProgram(Folder, "kvchild.exe")));
}

TEST_F(Win32ShellTest, SystemErrorTextsComeWithoutLineBreaks) {
  const std::string Text = Shell.SystemErrorText(2);
  ASSERT_FALSE(Text.empty());
  EXPECT_EQ(Text.find_first_of("\r\n"), std::string::npos) << Text;
}

}  // namespace

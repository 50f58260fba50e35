#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/uConfigFrame.h"
#include "platform/win32/uWindows.h"

// A configuration frame on screen: the frame's dialog resource as a child of Parent, its controls
// kept equal to the frame's (every change of the frame is drawn at once) and the user's actions
// handed to the frame. Destroying the view takes the window away; the frame keeps its values.
class TWin32FrameView {
 public:
  // Raises EKoException when the frame's window cannot be made.
  TWin32FrameView(TConfigFrame& Frame, HWND Parent);
  ~TWin32FrameView();
  TWin32FrameView(const TWin32FrameView&) = delete;
  TWin32FrameView& operator=(const TWin32FrameView&) = delete;

  HWND Handle() const { return FWindow; }
  TConfigFrame& Frame() const { return FFrame; }
  // Fills the rectangle (client alignment inside the box that holds it).
  void SetBounds(const RECT& Bounds);
  // The focus leaves the frame; what was typed takes effect.
  void CommitEdits();

 private:
  static INT_PTR CALLBACK DialogProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept;
  static LRESULT CALLBACK EditProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept;
  INT_PTR HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  void SetUp();
  void Command(int Id, int Notification, HWND Control);
  bool Notify(const NMHDR& Header, LPARAM LParam);

  void Draw(TFrameControl& Control);
  void DrawAll();
  void DrawText(HWND Control, const std::string& Text);
  std::string ControlText(HWND Control) const;

  TConfigFrame& FFrame;
  HWND FWindow = nullptr;
  int FDrawing = 0;  // changes made while drawing are ours, not the user's
  std::map<int, std::vector<std::string>> FComboItems;
  std::map<HWND, WNDPROC> FEditProcs;
  HBRUSH FBackground = nullptr;
};

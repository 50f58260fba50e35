#pragma once

// Where a dialog opens, in screen coordinates.
struct TScreenRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
};

struct TScreenPoint {
  int X = 0;
  int Y = 0;
};

// In the bottom-right corner of the work area, next to the tray, for a dialog opened while the
// main window is hidden. The work area need not start at 0,0 (a task bar at the left or top, a
// second monitor), so the corner is taken from its edges; a dialog larger than the work area
// keeps its top-left corner inside it.
TScreenPoint BottomRightOfWorkArea(const TScreenRect& WorkArea, int Width, int Height);

// Centred on the owner window, moved as little as needed to stay inside the work area.
TScreenPoint CentredOnOwner(const TScreenRect& Owner, const TScreenRect& WorkArea, int Width,
                            int Height);

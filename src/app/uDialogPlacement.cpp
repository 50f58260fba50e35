#include "app/uDialogPlacement.h"

#include <algorithm>

namespace {

// Keeps Position..Position+Size inside Low..High; the low edge wins when it cannot fit.
int KeepInside(int Position, int Size, int Low, int High) {
  return std::max(Low, std::min(Position, High - Size));
}

}  // namespace

TScreenPoint BottomRightOfWorkArea(const TScreenRect& WorkArea, int Width, int Height) {
  return {std::max(WorkArea.Left, WorkArea.Right - Width),
          std::max(WorkArea.Top, WorkArea.Bottom - Height)};
}

TScreenPoint CentredOnOwner(const TScreenRect& Owner, const TScreenRect& WorkArea, int Width,
                            int Height) {
  const int Left = Owner.Left + (Owner.Width() - Width) / 2;
  const int Top = Owner.Top + (Owner.Height() - Height) / 2;
  return {KeepInside(Left, Width, WorkArea.Left, WorkArea.Right),
          KeepInside(Top, Height, WorkArea.Top, WorkArea.Bottom)};
}

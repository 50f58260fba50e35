#include "web/uPostedTexts.h"

#include <algorithm>

namespace {

std::uintptr_t AsWParam(const std::string* Text) {
  return reinterpret_cast<std::uintptr_t>(Text);
}

}  // namespace

bool TPostedTexts::Post(const TMessagePoster& Poster, std::uint32_t Msg, std::string Text) {
  auto Carrier = std::make_unique<std::string>(std::move(Text));
  const std::uintptr_t WParam = AsWParam(Carrier.get());
  {
    // Registered before the post: the receiver may take it before Post returns.
    std::lock_guard Guard(FLock);
    FInFlight.push_back(std::move(Carrier));
  }
  bool Posted = false;
  try {
    Posted = Poster && Poster(Msg, WParam, 0);
  } catch (...) {
    (void)Take(WParam);
    throw;
  }
  if (!Posted)
    (void)Take(WParam);
  return Posted;
}

std::optional<std::string> TPostedTexts::Take(std::uintptr_t WParam) {
  std::unique_ptr<std::string> Carrier;
  {
    std::lock_guard Guard(FLock);
    const auto It = std::find_if(FInFlight.begin(), FInFlight.end(), [WParam](const auto& Text) {
      return AsWParam(Text.get()) == WParam;
    });
    if (It == FInFlight.end())
      return std::nullopt;
    Carrier = std::move(*It);
    FInFlight.erase(It);
  }
  return std::move(*Carrier);
}

std::size_t TPostedTexts::InFlight() const {
  std::lock_guard Guard(FLock);
  return FInFlight.size();
}

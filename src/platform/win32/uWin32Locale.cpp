#include "platform/win32/uWin32Locale.h"

#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWindows.h"

std::string TWin32Locale::FormatShortDate(TDateTime Date) {
  const std::chrono::year_month_day Day{std::chrono::floor<std::chrono::days>(Date)};
  SYSTEMTIME Time{};
  Time.wYear = static_cast<WORD>(static_cast<int>(Day.year()));
  Time.wMonth = static_cast<WORD>(static_cast<unsigned>(Day.month()));
  Time.wDay = static_cast<WORD>(static_cast<unsigned>(Day.day()));
  wchar_t Buffer[128];
  int Length = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &Time, nullptr, Buffer, 128);
  if (Length <= 1)
    return {};
  return WideToUtf8(std::wstring_view(Buffer, static_cast<std::size_t>(Length - 1)));
}

namespace {

std::string LocaleText(LCTYPE Item, const char* Fallback) {
  wchar_t Buffer[16];
  const int Length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, Item, Buffer, 16);
  if (Length <= 1)
    return Fallback;
  return WideToUtf8(std::wstring_view(Buffer, static_cast<std::size_t>(Length - 1)));
}

}  // namespace

TNumberSeparators TWin32Locale::NumberSeparators() {
  // Some users write numbers without any thousands separator; that empty text is kept.
  TNumberSeparators Separators;
  Separators.Decimal = LocaleText(LOCALE_SDECIMAL, ".");
  wchar_t Buffer[16];
  const int Length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, Buffer, 16);
  Separators.Thousand =
      Length >= 1 ? WideToUtf8(std::wstring_view(Buffer, static_cast<std::size_t>(Length - 1)))
                  : std::string(",");
  return Separators;
}

#include "platform/win32/uWin32Locale.h"

#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWindows.h"

namespace {

SYSTEMTIME SystemTimeOf(TDateTime Moment) {
  const auto Days = std::chrono::floor<std::chrono::days>(Moment);
  const std::chrono::year_month_day Day{Days};
  const std::chrono::hh_mm_ss Time{std::chrono::floor<std::chrono::milliseconds>(Moment - Days)};
  SYSTEMTIME Result{};
  Result.wYear = static_cast<WORD>(static_cast<int>(Day.year()));
  Result.wMonth = static_cast<WORD>(static_cast<unsigned>(Day.month()));
  Result.wDay = static_cast<WORD>(static_cast<unsigned>(Day.day()));
  Result.wDayOfWeek = static_cast<WORD>(
      std::chrono::weekday{std::chrono::sys_days{Days.time_since_epoch()}}.c_encoding());
  Result.wHour = static_cast<WORD>(Time.hours().count());
  Result.wMinute = static_cast<WORD>(Time.minutes().count());
  Result.wSecond = static_cast<WORD>(Time.seconds().count());
  Result.wMilliseconds = static_cast<WORD>(Time.subseconds().count());
  return Result;
}

std::string Formatted(const wchar_t* Buffer, int Length) {
  if (Length <= 1)
    return {};
  return WideToUtf8(std::wstring_view(Buffer, static_cast<std::size_t>(Length - 1)));
}

std::string FormatDate(TDateTime Date, DWORD Flags) {
  const SYSTEMTIME Time = SystemTimeOf(Date);
  wchar_t Buffer[128];
  return Formatted(Buffer, GetDateFormatW(LOCALE_USER_DEFAULT, Flags, &Time, nullptr, Buffer, 128));
}

std::string LocaleText(LCTYPE Item, const char* Fallback) {
  wchar_t Buffer[16];
  const int Length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, Item, Buffer, 16);
  if (Length <= 1)
    return Fallback;
  return WideToUtf8(std::wstring_view(Buffer, static_cast<std::size_t>(Length - 1)));
}

}  // namespace

std::string TWin32Locale::FormatShortDate(TDateTime Date) {
  return FormatDate(Date, DATE_SHORTDATE);
}

std::string TWin32Locale::FormatLongDate(TDateTime Date) {
  return FormatDate(Date, DATE_LONGDATE);
}

std::string TWin32Locale::FormatLongTime(TDateTime Moment) {
  const SYSTEMTIME Time = SystemTimeOf(Moment);
  wchar_t Buffer[128];
  // No flags: the user's long time format, which shows the seconds.
  return Formatted(Buffer, GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &Time, nullptr, Buffer, 128));
}

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

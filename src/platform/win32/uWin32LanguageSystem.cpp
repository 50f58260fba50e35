#include "platform/win32/uWin32LanguageSystem.h"

#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWindows.h"

namespace {

std::string LocaleText(LCID Locale, LCTYPE Item) {
  wchar_t Buffer[LOCALE_NAME_MAX_LENGTH];
  const int Length = GetLocaleInfoW(Locale, Item, Buffer, LOCALE_NAME_MAX_LENGTH);
  if (Length <= 1)
    return {};
  return WideToUtf8(std::wstring_view(Buffer, static_cast<std::size_t>(Length - 1)));
}

TSystemLanguage LanguageOf(LCID Locale) {
  return {LocaleText(Locale, LOCALE_SISO639LANGNAME), LocaleText(Locale, LOCALE_SISO3166CTRYNAME)};
}

}  // namespace

TSystemLanguage TWin32LanguageSystem::UserLanguage() {
  // The language of the user's menus and dialogs is the one they read; the regional formats
  // (the user locale) are only the second choice, for systems that cannot tell the first.
  TSystemLanguage Language = LanguageOf(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT));
  if (Language.Language.empty())
    Language = LanguageOf(LOCALE_USER_DEFAULT);
  return Language;
}

std::optional<bool> TWin32LanguageSystem::IsRightToLeft(std::string_view Code) {
  // Language files use "pt_BR", locale names "pt-BR".
  std::wstring Name = Utf8ToWide(Code);
  for (wchar_t& Letter : Name)
    if (Letter == L'_')
      Letter = L'-';
  DWORD Layout = 0;
  if (Name.empty() ||
      GetLocaleInfoEx(Name.c_str(), LOCALE_IREADINGLAYOUT | LOCALE_RETURN_NUMBER,
                      reinterpret_cast<LPWSTR>(&Layout), sizeof Layout / sizeof(wchar_t)) == 0)
    return std::nullopt;
  // 1 is right to left; 2 and 3 are the vertical East Asian layouts, read left to right here.
  return Layout == 1;
}

void TWin32LanguageSystem::SetRightToLeftLayout(bool RightToLeft) {
  SetProcessDefaultLayout(RightToLeft ? LAYOUT_RTL : 0);
}

#pragma once

#include <string>

#include "core/uResourceStrings.h"
#include "platform/uLocale.h"

// Texts the usage events share.

// A non-negative number with its whole part grouped by thousands and Decimals digits after the
// separator, rounded half away from zero: "1,024.0" for 1024 with one decimal.
std::string FormatGroupedNumber(long double Value, int Decimals,
                                const TNumberSeparators& Separators);

// The settings summary: Pattern filled with the limit and the seconds, then " (Average)" when the
// average is compared.
std::string UsageDescription(const TResString& Pattern, const std::string& Limit, int Seconds,
                             bool UseAverage);
// "5 KB/s" for a limit of 5.
std::string SpeedLimitText(int Usage);

// The live line: "Usage %s outside of limit for %s seconds".
std::string UsageStatus(const std::string& Value, int Counter);
// A rate in KB/s for the live line: "--" when unknown (negative), else grouped with Decimals
// digits and followed by " KB/s". Locale may be null.
std::string RateStatusValue(long double Rate, int Decimals, TLocale* Locale);

#pragma once

#include <chrono>
#include <cstdint>

#include "app/uConfigFrame.h"

// A frame with hours, minutes and seconds in three digits-only edits whose up-downs wrap around
// at both ends. The controls take the identifiers IDC_HMS_* added to the frame's template.
class TTimeFieldsFrame : public TConfigFrame {
 public:
  struct TLabels {
    TResString Hours;
    TResString Minutes;
    TResString Seconds;
  };

  TTimeFieldsFrame(std::string_view ClassName, int TemplateId, TLabels Labels, int MaxHours,
                   int MaxMinutesSeconds);

  TUpDownControl& Hours() const { return *FHours; }
  TUpDownControl& Minutes() const { return *FMinutes; }
  TUpDownControl& Seconds() const { return *FSeconds; }

 protected:
  // Hours × 3600 + minutes × 60 + seconds of the up-downs.
  std::int64_t FieldSeconds() const;
  // Splits the absolute value; what exceeds a field's range is cut to it.
  void SetFieldSeconds(std::int64_t Seconds);
  std::chrono::milliseconds FieldTime() const;
  void SetFieldTime(std::chrono::milliseconds TimeOfDay);

 private:
  TUpDownControl* FHours;
  TUpDownControl* FMinutes;
  TUpDownControl* FSeconds;
};

#include "events/uTimeFieldsFrame.h"

#include <algorithm>

#include "events/eventframes_res.h"

TTimeFieldsFrame::TTimeFieldsFrame(std::string_view ClassName, int TemplateId, TLabels Labels,
                                   int MaxHours, int MaxMinutesSeconds)
    : TConfigFrame(ClassName, TemplateId) {
  const TEditControl::TOptions Digits = TEditControl::Digits();
  AddLabel(TemplateId + IDC_HMS_LABEL_HOURS, Labels.Hours);
  FHours = &AddUpDown(TemplateId + IDC_HMS_UD_HOURS,
                      AddEdit(TemplateId + IDC_HMS_EDIT_HOURS, Digits), {0, MaxHours, true});
  AddLabel(TemplateId + IDC_HMS_LABEL_MINS, Labels.Minutes);
  FMinutes =
      &AddUpDown(TemplateId + IDC_HMS_UD_MINS, AddEdit(TemplateId + IDC_HMS_EDIT_MINS, Digits),
                 {0, MaxMinutesSeconds, true});
  AddLabel(TemplateId + IDC_HMS_LABEL_SECS, Labels.Seconds);
  FSeconds =
      &AddUpDown(TemplateId + IDC_HMS_UD_SECS, AddEdit(TemplateId + IDC_HMS_EDIT_SECS, Digits),
                 {0, MaxMinutesSeconds, true});
}

std::int64_t TTimeFieldsFrame::FieldSeconds() const {
  return std::int64_t{FHours->Position()} * 3600 + std::int64_t{FMinutes->Position()} * 60 +
         FSeconds->Position();
}

void TTimeFieldsFrame::SetFieldSeconds(std::int64_t Seconds) {
  if (Seconds < 0)
    Seconds = -Seconds;
  FHours->SetPosition(static_cast<int>(std::min<std::int64_t>(Seconds / 3600, INT32_MAX)));
  FMinutes->SetPosition(static_cast<int>(Seconds % 3600 / 60));
  FSeconds->SetPosition(static_cast<int>(Seconds % 60));
}

std::chrono::milliseconds TTimeFieldsFrame::FieldTime() const {
  return std::chrono::seconds(FieldSeconds());
}

void TTimeFieldsFrame::SetFieldTime(std::chrono::milliseconds TimeOfDay) {
  SetFieldSeconds(std::chrono::duration_cast<std::chrono::seconds>(TimeOfDay).count());
}

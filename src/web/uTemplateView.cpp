#include "web/uTemplateView.h"

#include "core/uFormat.h"
#include "web/uTemplateError.h"
#include "web/uTemplatesStrings.h"
#include "web/uTextPreview.h"

void TTemplateValueMap::Set(std::string_view Name, TTemplateValue Value) {
  for (auto& Item : FItems) {
    if (Item.first == Name) {
      Item.second = std::move(Value);
      return;
    }
  }
  FItems.emplace_back(std::string(Name), std::move(Value));
}

const TTemplateValue* TTemplateValueMap::Find(std::string_view Name) const {
  for (const auto& Item : FItems) {
    if (Item.first == Name)
      return &Item.second;
  }
  return nullptr;
}

TTemplateViewList* TTemplateViewMap::Find(std::string_view Name) const {
  for (const auto& Item : FItems) {
    if (Item.first == Name)
      return Item.second.get();
  }
  return nullptr;
}

TTemplateViewList& TTemplateViewMap::Add(std::string_view Name) {
  if (auto Existing = Find(Name))
    return *Existing;
  FItems.emplace_back(std::string(Name), std::make_unique<TTemplateViewList>());
  return *FItems.back().second;
}

void TTemplateView::SetValue(std::string_view Name, TTemplateValue Value) {
  FValues.Set(Name, std::move(Value));
}

TTemplateValue TTemplateView::GetValue(std::string_view Name) const {
  const TTemplateValue* Stored = FValues.Find(Name);
  if (!Stored)
    throw ETemplateError(Format(ResStr(utemplates::svaluenotdefined), {Name}));
  TTemplateValue Value = *Stored;
  if (FOnGetValue)
    FOnGetValue(std::string(Name), Value);
  return Value;
}

TTemplateViewList& TTemplateView::GetChildViews(std::string_view Name, bool Create) {
  if (auto List = FViews.Find(Name))
    return *List;
  if (!Create)
    throw ETemplateError(Format(ResStr(utemplates::schildviewnotdefined), {Name}));
  return FViews.Add(Name);
}

void TTemplateView::AddChildViewList(std::string_view Name) {
  GetChildViews(Name, true);
}

TTemplateView& TTemplateView::AddChildView(std::string_view Name) {
  auto& List = GetChildViews(Name, true);
  auto Child = std::make_unique<TTemplateView>();
  Child->FOnGetValue = FOnGetValue;
  List.push_back(std::move(Child));
  return *List.back();
}

void TTemplateView::SetOnGetValue(TTemplateGetValueHandler Handler) {
  for (const auto& Item : FViews.Items()) {
    for (const auto& Child : *Item.second)
      Child->SetOnGetValue(Handler);
  }
  FOnGetValue = std::move(Handler);
}

bool TTemplateView::IsDefined(std::string_view Name) const {
  return FValues.Find(Name) != nullptr || FViews.Find(Name) != nullptr;
}

std::string TTemplateView::Dump(int Level) const {
  const std::string Indent(static_cast<std::size_t>(Level) * 4, ' ');
  std::string Result;
  for (const auto& Item : FValues.Items()) {
    Result +=
        Indent + Item.first + " = " + TextPreview(TemplateValueToString(Item.second)) + "\r\n";
  }
  for (const auto& Item : FViews.Items()) {
    Result += Indent + "[" + Item.first + "]\r\n";
    for (const auto& Child : *Item.second)
      Result += Child->Dump(Level + 1);
  }
  return Result;
}

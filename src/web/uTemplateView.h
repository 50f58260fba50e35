#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "web/uTemplateValue.h"

class TTemplateView;

// Called on every read of a value for rendering (IF tags included); it may replace the value,
// which is how pages HTML-escape their texts.
using TTemplateGetValueHandler =
    std::function<void(const std::string& Name, TTemplateValue& Value)>;

using TTemplateViewList = std::vector<std::unique_ptr<TTemplateView>>;

// Named values in the order they were first stored; names compare exactly and storing a name
// again replaces its value.
class TTemplateValueMap {
 public:
  using TItem = std::pair<std::string, TTemplateValue>;
  void Set(std::string_view Name, TTemplateValue Value);
  const TTemplateValue* Find(std::string_view Name) const;
  const std::vector<TItem>& Items() const { return FItems; }

 private:
  std::vector<TItem> FItems;
};

// Named lists of child views, owned with their views; same name rules as the value map.
class TTemplateViewMap {
 public:
  using TItem = std::pair<std::string, std::unique_ptr<TTemplateViewList>>;
  TTemplateViewList* Find(std::string_view Name) const;
  TTemplateViewList& Add(std::string_view Name);
  const std::vector<TItem>& Items() const { return FItems; }

 private:
  std::vector<TItem> FItems;
};

// The data a template renders against: values and lists of child views. A child view does not
// see its parent's values: names inside a FOR block are looked up in the child alone.
class TTemplateView {
 public:
  TTemplateView() = default;
  TTemplateView(const TTemplateView&) = delete;
  TTemplateView& operator=(const TTemplateView&) = delete;

  const TTemplateValueMap& Values() const { return FValues; }
  const TTemplateViewMap& Views() const { return FViews; }

  void SetValue(std::string_view Name, TTemplateValue Value);
  // The stored value passed through the OnGetValue handler; ETemplateError when undefined.
  TTemplateValue GetValue(std::string_view Name) const;
  // The list stored under Name. When absent: created empty if Create, ETemplateError if not.
  TTemplateViewList& GetChildViews(std::string_view Name, bool Create);
  // Declares a list that may stay empty, so a FOR over it renders nothing instead of failing.
  void AddChildViewList(std::string_view Name);
  // A new view at the end of the list Name, with this view's handler, for the caller to fill.
  TTemplateView& AddChildView(std::string_view Name);
  // Sets the handler here and in every child view, however deep.
  void SetOnGetValue(TTemplateGetValueHandler Handler);
  bool IsDefined(std::string_view Name) const;

  // Debug dump: values, then each list's name in brackets with its views indented below.
  std::string ToString() const { return Dump(0); }
  std::string Dump(int Level) const;

 private:
  TTemplateValueMap FValues;
  TTemplateViewMap FViews;
  TTemplateGetValueHandler FOnGetValue;
};

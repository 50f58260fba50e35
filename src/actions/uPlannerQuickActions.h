#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/uKoServices.h"
#include "core/uPlannerActions.h"
#include "core/uResourceStrings.h"

// A one-shot command that runs at once, outside the planner: from the tray's Actions menu, the
// command line ("/action <id>"), shortcuts and the web interface.
class TKoQuickActionObject {
 public:
  virtual ~TKoQuickActionObject() = default;
  virtual std::string GetID() const = 0;
  virtual std::string GetName() const = 0;
  // True on success.
  virtual bool Execute() = 0;
};

// A quick action that makes a fresh action of one kind with fixed settings, runs it once
// (failures become false, the outcome is dropped: quick actions never steer the planner) and
// frees it.
class TKoQuickAction : public TKoQuickActionObject {
 public:
  using TMaker = std::function<std::unique_ptr<TKoActionObject>(const TKoServices&)>;

  TKoQuickAction(std::string ID, const TResString& Name, TMaker Make, const TKoServices& Services)
      : FID(std::move(ID)), FName(Name), FMake(std::move(Make)), FServices(Services) {}

  std::string GetID() const override { return FID; }
  std::string GetName() const override { return ResStr(FName); }
  bool Execute() override;

 private:
  std::string FID;
  TResString FName;
  TMaker FMake;
  TKoServices FServices;
};

// The quick actions in the order of the tray menu and the web list, made once at start-up.
class TKoQuickActions {
 public:
  explicit TKoQuickActions(const TKoServices& Services);

  const std::vector<std::unique_ptr<TKoQuickActionObject>>& QuickActions() const { return FList; }
  // Identifiers compare ignoring the case of ASCII letters.
  TKoQuickActionObject* FindQuickAction(std::string_view ID) const;
  std::string GetQuickActionName(std::string_view ID) const;
  // False for an unknown identifier or index, or when the action failed.
  bool ExecuteQuickAction(std::string_view ID) const;
  bool ExecuteQuickActionByIndex(int Index) const;

 private:
  std::vector<std::unique_ptr<TKoQuickActionObject>> FList;
};

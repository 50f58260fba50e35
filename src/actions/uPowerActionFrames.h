#pragma once

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"

// The frames of the power and session actions: whether to force them.

// Shutdown, Reboot and Logoff: "Force" closes applications without asking them.
class TForceActionFrame : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  TForceActionFrame(std::string_view ClassName, int TemplateId, std::type_index ItemClass,
                    TResString ForceCaption, TResString Note);

  std::type_index GetItemClass() const override { return FItemClass; }
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  std::type_index FItemClass;
  TCheckControl* FForce;
};

class TForm_ActionShutdown : public TForceActionFrame {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionShutdown";
  explicit TForm_ActionShutdown(const TPlannerFrameContext& Context);
};

class TForm_ActionReboot : public TForceActionFrame {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionReboot";
  explicit TForm_ActionReboot(const TPlannerFrameContext& Context);
};

class TForm_ActionLogoff : public TForceActionFrame {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionLogoff";
  explicit TForm_ActionLogoff(const TPlannerFrameContext& Context);
};

// Sleep and Hibernate: wake events and a critical suspend.
class TSuspendActionFrame : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  struct TCaptions {
    TResString DisableWakeEvent;
    TResString Force;
    TResString Hint;
  };
  TSuspendActionFrame(std::string_view ClassName, int TemplateId, std::type_index ItemClass,
                      TCaptions Captions);

  std::type_index GetItemClass() const override { return FItemClass; }
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  std::type_index FItemClass;
  TCheckControl* FDisableWakeEvent;
  TCheckControl* FForce;
};

class TForm_ActionSleep : public TSuspendActionFrame {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionSleep";
  explicit TForm_ActionSleep(const TPlannerFrameContext& Context);
};

class TForm_ActionHibernate : public TSuspendActionFrame {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionHibernate";
  explicit TForm_ActionHibernate(const TPlannerFrameContext& Context);
};

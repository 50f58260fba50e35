#include "app/uPlannerFrame.h"

std::type_index TPlannerItem::ItemClass() const {
  return FEvent ? std::type_index(typeid(*FEvent)) : std::type_index(typeid(*FAction));
}

const std::string& TPlannerItem::ID() const {
  return FEvent ? FEvent->ID() : FAction->ID();
}

TQueryStr TPlannerItem::ReadConfig() const {
  TQueryStr Config;
  if (FEvent)
    FEvent->SaveConfig(Config);
  else
    FAction->SaveConfig(Config);
  return Config;
}

void TPlannerItem::WriteConfig(const TQueryStr& Config) {
  if (FEvent)
    FEvent->LoadConfig(Config);
  else
    FAction->LoadConfig(Config);
}

#include "database/horse_info55.h"

#include <algorithm>

#include "database/race_texts.h"

THorseInfo55::THorseInfo55(const TRaceID& race, int horseID) : TResultInfo(TResultInfo::FromHorseID(horseID)) {
  static_cast<TRaceID&>(*this) = race;
}

void THorseInfo55::SetRace(const TResult& race, const TResultInfo& entry) {
  static_cast<TResult&>(*this) = race;
  static_cast<TResultInfo&>(*this) = entry;
}

int THorseInfo55::FieldSize() const {
  int starters = Starters();
  return starters != 0 ? starters : Registered();
}

double THorseInfo55::RelativePosition(bool last) const { return RelativeCorner(last, FieldSize()); }

std::string THorseInfo55::PositionGaugeText() const {
  return PositionGauge(RelativePosition(false), RelativePosition(true));
}

double THorseInfo55::RelativeFigure(double reference) const {
  if (reference <= 0) return timeFigure_;
  return std::max((timeFigure_ - reference) * 700 + 50, 0.0);
}

#include "database/result_info.h"

#include <cstdlib>

#include "analysis/person_list.h"
#include "app/fixed_field.h"
#include "app/sjis.h"
#include "database/jv_records.h"
#include "database/person_master_data.h"
#include "database/race_codes.h"
#include "database/record_fields.h"

namespace {

const TPersonData& EmptyPerson() {
  static const TPersonData empty;
  return empty;
}

// The code of a person: the stored one, or the one the list finds for the
// stored name, which then takes the name's place.
int ResolveCode(TPersonList* list, int& code, std::string& name) {
  if (code == 0 && list != nullptr && !name.empty()) {
    int found = list->CodeOfName(name);
    if (found != 0) {
      code = found;
      name.clear();
    }
  }
  return std::abs(code);
}

std::string NameOfWidth(TPersonList* list, int code, const std::string& stored, int width) {
  if (list != nullptr && code != 0) {
    std::string name = list->ShortName(code, width);
    if (!name.empty()) return name;
  }
  return width > 0 ? SjisCut(stored, static_cast<std::size_t>(width)) : stored;
}

}  // namespace

TResultInfo TResultInfo::FromSe(const char* record) {
  namespace se = jv::se;
  TResultInfo r;
  r.dataKind_ = Number(record, jv::kDataKind);
  r.frame_ = Number(record, se::kFrame);
  r.horseNo_ = Number(record, se::kHorseNo);
  r.horseID_ = Number(record, se::kHorseID);
  r.horseName_ = Text(record, se::kHorseName);
  r.horseMark_ = NumberInRange(record, se::kHorseMark, 41);
  r.sex_ = NumberInRange(record, se::kSex, 3);
  r.age_ = Number(record, se::kAge);
  r.trainerCode_ = Number(record, se::kTrainerCode);
  if (r.trainerCode_ == 0) r.trainerName_ = Text(record, se::kTrainerName);
  r.ownerCode_ = Number(record, se::kOwnerCode);
  if (r.ownerCode_ == 0) r.ownerName_ = Text(record, se::kOwnerName);
  r.carried_ = Number(record, se::kCarried);
  r.blinker_ = Number(record, se::kBlinker);
  r.jockeyCode_ = Number(record, se::kJockeyCode);
  if (r.jockeyCode_ == 0) r.jockeyName_ = Text(record, se::kJockeyName);
  r.apprentice_ = Number(record, se::kApprentice);
  r.bodyWeight_ = Number(record, se::kBodyWeight);
  r.abnormality_ = DecodeAbnormality(record + se::kAbnormality.offset);
  r.arrival_ = Number(record, se::kArrival);
  r.position_ = Number(record, se::kPosition);
  r.time_ = TimeFromMsst(record + se::kTime.offset);
  for (int i = 0; i < se::kMarginCount; ++i) {
    jv::TField field = jv::InBlock(se::kMarginStart, se::kMarginStride, i, se::kMargin);
    r.margin_[static_cast<std::size_t>(i)] = DecodeMargin(record + field.offset);
  }
  for (int i = 0; i < se::kCornerCount; ++i) {
    r.corner_[static_cast<std::size_t>(i)] =
        Number(record, jv::InBlock(se::kCornerStart, se::kCornerStride, i, se::kCorner));
  }
  r.odds_ = Number(record, se::kOdds);
  r.popularity_ = Number(record, se::kPopularity);
  r.last3F_ = DecodeLastFurlongs(record + se::kLast4F.offset, record + se::kLast3F.offset);
  r.timeDiff_ = Number(record, se::kTimeDiff);
  r.recordFlag_ = Number(record, se::kRecordFlag);
  return r;
}

TResultInfo TResultInfo::FromTkSlot(const char* slot) {
  namespace tk = jv::tk;
  TResultInfo r;
  r.horseNo_ = Number(slot, tk::kEntryOrderNo);
  r.horseID_ = Number(slot, tk::kEntryHorseID);
  r.horseName_ = Text(slot, tk::kEntryHorseName);
  r.horseMark_ = NumberInRange(slot, tk::kEntryHorseMark, 41);
  r.sex_ = NumberInRange(slot, tk::kEntrySex, 3);
  r.trainerCode_ = Number(slot, tk::kEntryTrainerCode);
  if (r.trainerCode_ == 0) r.trainerName_ = Text(slot, tk::kEntryTrainerName);
  r.carried_ = Number(slot, tk::kEntryCarried);
  return r;
}

TResultInfo TResultInfo::FromUm(const char* record) {
  namespace um = jv::um;
  TResultInfo r;
  r.dataKind_ = Number(record, jv::kDataKind);
  r.horseID_ = Number(record, um::kHorseID);
  r.horseName_ = Text(record, um::kHorseName);
  r.horseMark_ = NumberInRange(record, um::kHorseMark, 41);
  r.sex_ = NumberInRange(record, um::kSex, 3);
  r.trainerCode_ = Number(record, um::kTrainerCode);
  if (r.trainerCode_ == 0) r.trainerName_ = Text(record, um::kTrainerName);
  r.ownerCode_ = Number(record, um::kOwnerCode);
  if (r.ownerCode_ == 0) r.ownerName_ = Text(record, um::kOwnerName);
  return r;
}

TResultInfo TResultInfo::FromSk(const char* record) {
  TResultInfo r;
  r.dataKind_ = Number(record, jv::kDataKind);
  r.horseID_ = Number(record, jv::sk::kHorseID);
  r.sex_ = NumberInRange(record, jv::sk::kSex, 3);
  return r;
}

TResultInfo TResultInfo::FromHn(const char* record) {
  TResultInfo r;
  r.dataKind_ = Number(record, jv::kDataKind);
  r.horseID_ = Number(record, jv::hn::kHorseID);
  r.horseName_ = Text(record, jv::hn::kHorseName);
  r.sex_ = NumberInRange(record, jv::hn::kSex, 3);
  return r;
}

TResultInfo TResultInfo::FromHorseID(int horseID) {
  TResultInfo r;
  r.horseID_ = horseID;
  return r;
}

int TResultInfo::Margin(int i) const {
  return i >= 0 && i < 3 ? margin_[static_cast<std::size_t>(i)] : 0;
}

int TResultInfo::Corner(int i) const {
  return i >= 0 && i < 4 ? corner_[static_cast<std::size_t>(i)] : 0;
}

void TResultInfo::SetCorner(int i, int position) {
  if (i >= 0 && i < 4) corner_[static_cast<std::size_t>(i)] = position;
}

int TResultInfo::TrainerCode() const { return ResolveCode(_TrainerList, trainerCode_, trainerName_); }

int TResultInfo::JockeyCode() const { return ResolveCode(_JockeyList, jockeyCode_, jockeyName_); }

const TPersonData& TResultInfo::TrainerData() const {
  int code = TrainerCode();
  if (_TrainerList == nullptr || code == 0) return EmptyPerson();
  return _TrainerList->Person(code);
}

const TPersonData& TResultInfo::JockeyData() const {
  int code = JockeyCode();
  if (_JockeyList == nullptr || code == 0) return EmptyPerson();
  return _JockeyList->Person(code);
}

std::string TResultInfo::TrainerName(int width) const {
  int code = TrainerCode();
  return NameOfWidth(_TrainerList, code, trainerName_, width);
}

std::string TResultInfo::JockeyName(int width) const {
  int code = JockeyCode();
  return NameOfWidth(_JockeyList, code, jockeyName_, width);
}

const std::string& TResultInfo::OwnerName() const {
  if (ownerName_.empty() && ownerCode_ > 0) {
    ownerName_ = LookUpPersonMaster(kOwnerMaster, ownerCode_).Name2;
  }
  return ownerName_;
}

int TResultInfo::EastWest() const {
  if (eastWest_ == 0) eastWest_ = TrainerData().EastWest;
  return eastWest_;
}

std::string TResultInfo::HorseName(int width) const {
  return width > 0 ? SjisCut(horseName_, static_cast<std::size_t>(width)) : horseName_;
}

const std::string& TResultInfo::SexText() const { return ::SexText(sex_); }
const std::string& TResultInfo::BlinkerText() const { return ::BlinkerText(blinker_); }
const std::string& TResultInfo::ApprenticeText() const { return ::ApprenticeText(apprentice_); }
const std::string& TResultInfo::HorseMarkText() const { return ::HorseMarkText(horseMark_); }
const std::string& TResultInfo::MarginKindText() const { return ::MarginKindText(margin_[0] % 10); }
std::string TResultInfo::MarginText() const { return ::MarginText(margin_[0]); }

const std::string& TResultInfo::AbnormalityText(int width) const {
  return ::AbnormalityText(abnormality_, width);
}

std::string TResultInfo::CarriedText() const { return ::CarriedText(carried_, apprentice_); }

int TResultInfo::LastFurlongs(int kind) const {
  switch (kind) {
    case 3: return last3F_ > 0 ? last3F_ : 0;
    case 4: return last3F_ < 0 ? -last3F_ : 0;
    case 0: return std::abs(last3F_);
    default: return 0;
  }
}

int TResultInfo::FirstCorner() const {
  for (int position : corner_) {
    if (position > 0) return position;
  }
  return 0;
}

int TResultInfo::LastCorner() const {
  int last = 0;
  for (int position : corner_) {
    if (position > 0) last = position;
  }
  int first = FirstCorner();
  return last > first ? first : last;
}

double TResultInfo::RelativeCorner(bool last, int runners) const {
  int corner = last ? LastCorner() : FirstCorner();
  if (corner <= 0 || runners < 2) return -1.0;
  return static_cast<double>(corner - 1) / static_cast<double>(runners - 1);
}

bool FinishOrderLess(const TResultInfo& a, const TResultInfo& b) {
  if (a.DataKind() > 10 && b.DataKind() > 10) {
    int pa = a.Position() > 0 ? a.Position() : 99;
    int pb = b.Position() > 0 ? b.Position() : 99;
    if (pa != pb) return pa < pb;
  } else {
    const int keys[3][2] = {{a.Arrival(), b.Arrival()}, {a.Time(), b.Time()}, {a.Position(), b.Position()}};
    for (const auto& key : keys) {
      if (key[0] > 0 && key[1] > 0 && key[0] != key[1]) return key[0] < key[1];
    }
  }
  if (a.Abnormality() != b.Abnormality()) return a.Abnormality() < b.Abnormality();
  return a.HorseNo() < b.HorseNo();
}

bool HorseNumberLess(const TResultInfo& a, const TResultInfo& b) {
  if (a.HorseNo() > 0 && b.HorseNo() > 0) return a.HorseNo() < b.HorseNo();
  return a.HorseID() < b.HorseID();
}

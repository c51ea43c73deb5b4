#include "database/person_master_data.h"

#include <gtest/gtest.h>

#include <string>

#include "app/sjis.h"
#include "database/jv_records.h"
#include "sample/person_summary.h"
#include "sample/sample_master_records.h"
#include "support/recording_front_end.h"
#include "support/temp_home.h"

namespace {

using sample::TPersonSummary;

constexpr int kMadeOn = 20240601;

// Every count, year and sum of money differs, so a value read from the
// wrong place shows. Block b, surface s, place k: 100·b + 10·s + k + 1.
TPersonSummary Summary() {
  TPersonSummary summary;
  for (int b = 0; b < 3; ++b) {
    sample::TYearSummary& block = summary.blocks[static_cast<std::size_t>(b)];
    block.year = 2024 - b;
    block.flatPrize = 1000 + b;
    block.jumpPrize = 2000 + b;
    block.flatAdded = 3000 + b;
    block.jumpAdded = 4000 + b;
    for (std::size_t k = 0; k < 6; ++k) {
      block.flat.counts[k] = 100 * b + static_cast<int>(k) + 1;
      block.jump.counts[k] = 100 * b + 10 + static_cast<int>(k) + 1;
    }
  }
  return summary;
}

sample::TPerson Person(int code) {
  sample::TPerson p;
  p.code = code;
  p.name = SJ("楢山 健太");
  p.shortName = SJ("楢山健");
  p.kanaName = Utf8ToSjis("ﾅﾗﾔﾏ ｹﾝﾀ");
  p.latinName = "Kenta Narayama";
  p.affiliation = 2;
  p.licenceDate = 20100301;
  return p;
}

sample::TBreeder Breeder(int code) {
  return {code, SJ("ミズナラ牧場"), Utf8ToSjis("ﾐｽﾞﾅﾗﾎﾞｸｼﾞｮｳ"), "Mizunara Farm", SJ("日高町")};
}

sample::TOwner Owner(int code) {
  return {code, SJ("楢山 一郎"), Utf8ToSjis("ﾅﾗﾔﾏ ｲﾁﾛｳ"), "Ichiro Narayama", SJ("青，白星散らし")};
}

TEST(PersonMaster, JockeyAndTrainerRecordsFillEveryBlock) {
  const TPersonSummary summary = Summary();
  const std::string records[] = {sample::KsRecord(Person(1234), summary, '1', kMadeOn),
                                 sample::ChRecord(Person(1234), summary, '1', kMadeOn)};
  for (int kind = kJockeyMaster; kind <= kTrainerMaster; ++kind) {
    SCOPED_TRACE(kind);
    const TPersonMasterData m =
        TPersonMasterData::FromRecord(kind, records[kind - 1].data());
    EXPECT_EQ(m.Kind, kind);
    EXPECT_EQ(m.Code, 1234);
    // Names lose the blanks that pad their fields, and only those.
    EXPECT_EQ(m.Name, SJ("楢山 健太"));
    EXPECT_EQ(m.Name2, m.Name);
    EXPECT_EQ(m.ShortName, SJ("楢山健"));
    EXPECT_EQ(m.KanaName, Utf8ToSjis("ﾅﾗﾔﾏ ｹﾝﾀ"));
    EXPECT_EQ(m.LatinName, "Kenta Narayama");
    EXPECT_EQ(m.Address, "");
    for (int b = 0; b < 3; ++b) {
      const auto i = static_cast<std::size_t>(b);
      EXPECT_EQ(m.Year(b), 2024 - b);
      EXPECT_EQ(m.Prize[i][0], 1000 + b);
      EXPECT_EQ(m.Prize[i][1], 2000 + b);
      EXPECT_EQ(m.Added[i][0], 3000 + b);
      EXPECT_EQ(m.Added[i][1], 4000 + b);
      for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(m.Count(b, 0, k), 100 * b + k + 1);
        EXPECT_EQ(m.Count(b, 1, k), 100 * b + 10 + k + 1);
      }
    }
  }
}

TEST(PersonMaster, BreederAndOwnerFillThisYearAndCareerOnly) {
  TPersonSummary summary = Summary();
  summary.blocks[2].flatPrize = 9876543210;  // beyond 32 bits
  struct {
    int kind;
    std::string record;
  } cases[] = {
      {kBreederMaster, sample::BrRecord(Breeder(300001), summary, '1', kMadeOn)},
      {kOwnerMaster, sample::BnRecord(Owner(400001), summary, '1', kMadeOn)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    const TPersonMasterData m = TPersonMasterData::FromRecord(c.kind, c.record.data());
    EXPECT_EQ(m.Kind, c.kind);
    EXPECT_EQ(m.Code, c.kind == kBreederMaster ? 300001 : 400001);
    EXPECT_EQ(m.Name2, c.kind == kBreederMaster ? SJ("ミズナラ牧場") : SJ("楢山 一郎"));
    EXPECT_EQ(m.Address, c.kind == kBreederMaster ? SJ("日高町") : "");
    EXPECT_EQ(m.Colours, c.kind == kOwnerMaster ? SJ("青，白星散らし") : "");
    EXPECT_EQ(m.ShortName, "");
    EXPECT_EQ(m.Year(0), 2024);
    EXPECT_EQ(m.Year(1), 0);
    EXPECT_EQ(m.Year(2), 2022);
    EXPECT_EQ(m.Prize[0][0], 1000);
    EXPECT_EQ(m.Prize[2][0], 9876543210);
    EXPECT_EQ(m.Added[2][0], 3002);
    EXPECT_EQ(m.Prize[0][1], 0);
    for (int k = 0; k < 6; ++k) {
      EXPECT_EQ(m.Count(0, 0, k), k + 1);
      EXPECT_EQ(m.Count(1, 0, k), 0);
      EXPECT_EQ(m.Count(2, 0, k), 200 + k + 1);
      EXPECT_EQ(m.Count(2, 1, k), 0);
    }
  }
}

TEST(PersonMaster, PlacesOutsideTheSixGiveTheRidesAndBadBlocksGiveZero) {
  const std::string record = sample::KsRecord(Person(1), Summary(), '1', kMadeOn);
  const TPersonMasterData m = TPersonMasterData::FromRecord(kJockeyMaster, record.data());
  EXPECT_EQ(m.Count(1, 0, 6), 6 * 100 + 21);  // 101 + 102 + … + 106
  EXPECT_EQ(m.Count(1, 0, -1), 621);
  EXPECT_EQ(m.Count(0, 1, 6), 6 * 10 + 21);
  EXPECT_EQ(m.Count(3, 0, 0), 0);
  EXPECT_EQ(m.Count(-1, 0, 0), 0);
  EXPECT_EQ(m.Count(0, 2, 0), 0);
  EXPECT_EQ(m.Year(3), 0);
  EXPECT_EQ(m.Year(-1), 0);
}

TEST(PersonMaster, LookUpFindsTheFirstRecordOfTheCode) {
  TTempHome home;
  TRecordingFrontEnd front;
  sample::TPerson second = Person(7);
  second.name = SJ("別人 次郎");
  home.WriteFile("DATA/KS.DAT", sample::KsRecord(Person(5), Summary(), '1', kMadeOn) +
                                    sample::KsRecord(Person(7), Summary(), '1', kMadeOn) +
                                    sample::KsRecord(second, Summary(), '1', kMadeOn));
  home.WriteFile("DATA/BN.DAT", sample::BnRecord(Owner(400001), Summary(), '1', kMadeOn));

  const TPersonMasterData jockey = LookUpPersonMaster(kJockeyMaster, 7);
  EXPECT_EQ(jockey.Kind, kJockeyMaster);
  EXPECT_EQ(jockey.Code, 7);
  EXPECT_EQ(jockey.Name, SJ("楢山 健太"));
  EXPECT_EQ(LookUpPersonMaster(kOwnerMaster, 400001).Colours, SJ("青，白星散らし"));

  // Nothing to find: an empty record, silently.
  struct {
    int kind;
    int code;
  } empty[] = {
      {kJockeyMaster, 0},        // no code
      {kJockeyMaster, -5},       // no code
      {kJockeyMaster, 6},        // not in the file
      {kTrainerMaster, 7},       // CH.DAT missing
      {kBreederMaster, 300001},  // BR.DAT missing
      {9, 7},                    // no such master
  };
  for (const auto& c : empty) {
    SCOPED_TRACE(testing::Message() << c.kind << "/" << c.code);
    const TPersonMasterData m = LookUpPersonMaster(c.kind, c.code);
    EXPECT_EQ(m.Kind, 0);
    EXPECT_EQ(m.Name, "");
    EXPECT_EQ(m.Count(2, 0, 6), 0);
  }
  EXPECT_TRUE(front.Errors().empty());
}

TEST(PersonMaster, FileOfAWrongSizeIsReportedOnceWithItsSize) {
  TTempHome home;
  TRecordingFrontEnd front;
  const std::string path = home.WriteFile(
      "DATA/CH.DAT", sample::ChRecord(Person(7), Summary(), '1', kMadeOn) + "x");
  EXPECT_EQ(LookUpPersonMaster(kTrainerMaster, 7).Kind, 0);
  ASSERT_EQ(front.Errors().size(), 1u);
  EXPECT_EQ(SjisToUtf8(front.Errors()[0]),
            path + "\nファイルサイズに異常有り（" + std::to_string(jv::ch::kLength + 1) + "）");
}

}  // namespace

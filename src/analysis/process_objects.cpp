#include "analysis/process_objects.h"

#include "analysis/baba_list.h"
#include "analysis/base_list.h"
#include "analysis/level_list.h"
#include "analysis/odds_list.h"
#include "analysis/person_list.h"
#include "database/race_cache.h"

void CreateProcessObjects() {
  DestroyProcessObjects();
  _BabaList = new TBabaList();
  _BaseList = new TBaseList();
  _Level1 = new TLevel1();
  _Level2 = new TLevel2();
  _Level3 = new TLevel3();
  _Level4 = new TLevel4();
  _Level5 = new TLevel5();
  _JockeyList = new TPersonList(1);
  _TrainerList = new TPersonList(2);
  _CacheList = new TCacheList();
  _OddsList = new TOddsList();
}

void DestroyProcessObjects() {
  delete _OddsList;
  _OddsList = nullptr;
  delete _JockeyList;
  _JockeyList = nullptr;
  delete _TrainerList;
  _TrainerList = nullptr;
  delete _CacheList;
  _CacheList = nullptr;
  delete _BaseList;
  _BaseList = nullptr;
  delete _Level1;
  _Level1 = nullptr;
  delete _Level2;
  _Level2 = nullptr;
  delete _Level3;
  _Level3 = nullptr;
  delete _Level4;
  _Level4 = nullptr;
  delete _Level5;
  _Level5 = nullptr;
  TLevel::ForgetCells();
  delete _BabaList;
  _BabaList = nullptr;
}

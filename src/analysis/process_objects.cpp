#include "analysis/process_objects.h"

#include "analysis/baba_list.h"
#include "analysis/base_list.h"
#include "analysis/person_list.h"
#include "database/race_cache.h"

void CreateProcessObjects() {
  DestroyProcessObjects();
  _BabaList = new TBabaList();
  _BaseList = new TBaseList();
  _JockeyList = new TPersonList(1);
  _TrainerList = new TPersonList(2);
  _CacheList = new TCacheList();
}

void DestroyProcessObjects() {
  delete _JockeyList;
  _JockeyList = nullptr;
  delete _TrainerList;
  _TrainerList = nullptr;
  delete _CacheList;
  _CacheList = nullptr;
  delete _BaseList;
  _BaseList = nullptr;
  delete _BabaList;
  _BabaList = nullptr;
}

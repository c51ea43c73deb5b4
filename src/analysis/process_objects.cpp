#include "analysis/process_objects.h"

#include "analysis/person_list.h"

void CreateProcessObjects() {
  DestroyProcessObjects();
  _JockeyList = new TPersonList(1);
  _TrainerList = new TPersonList(2);
}

void DestroyProcessObjects() {
  delete _JockeyList;
  _JockeyList = nullptr;
  delete _TrainerList;
  _TrainerList = nullptr;
}

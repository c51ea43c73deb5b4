// The breeding horse master (HN): sires and dams of the pedigree.
#pragma once

#include "database/result_info.h"

// The breeding horse of an 8-digit breeding number, from the HN file of
// number / 10000 (the first record whose number matches); an empty record
// when the number is 0 or below, the file is missing or nobody matches. A
// file of the wrong length is reported.
TResultInfo LookUpBreedingHorse(int number);

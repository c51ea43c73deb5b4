// The process-wide objects, created in one order by both front ends at
// start and destroyed at the end; tests create them around each case.
#pragma once

// Creates the process-wide objects in their order (those that exist so far:
// _BabaList, _BaseList, _Level1 … _Level5, _JockeyList, _TrainerList, _CacheList, _OddsList). Each
// reads its own files when first used.
void CreateProcessObjects();

// Destroys them (the person lists first: jockeys, then trainers).
void DestroyProcessObjects();

// The database rebuild and the index rebuild at the end of an import run.
//
// Database rebuild: every staging file ("*.DAT~") of every kind, in kind
// order, is merged into its record file. A record file is sorted by its
// kind's key and holds each key once; a staging record whose key is new is
// added, one whose key is stored replaces the stored record when the kind's
// rule says it is newer (odds O1-O6: strictly newer by creation date, then
// data kind, then announcement time; every other kind: a creation date the
// same or later). The record file is rewritten only when something was
// added or replaced.
//
// Index rebuild (setup and update runs): the race index entries
// ("RA/<year>.IDX~") and runs-by-horse entries ("SE/<n>.IDX~") collected
// by the database rebuild are merged into "RA/<year>.IDX" and
// "SE/<n>.IDX", then the horse index "UM/<n>.IDX" and the foal index
// "SK/<n>.IDX" of every birth year that changed are built anew.
//
// Crash safety. Every file is rewritten through a temporary file renamed
// over the old one, and a staging file is deleted only after what it
// carries is safe elsewhere, so a run stopped at any moment and run again
// loses nothing and leaves no half-written file:
// - a record file is renamed into place before its staging file goes; a
//   staging file merged twice gives the same record file, since a record
//   replaces an equal one with the same result;
// - the race and runner index entries of a record file are appended to
//   the ".IDX~" files before the RA and SE staging files are deleted;
// - a birth year whose horse or foal index must be built again is marked
//   on disk by an empty "UM/<n>.IDX~" or "SK/<n>.IDX~" before the staging
//   file (or runner index entries) that made it so are deleted; the index
//   rebuild builds every marked year and removes its mark only after the
//   index file is in place.
// A file problem (a file that cannot be opened or written, a length that
// is not a whole number of records) is reported through the file problem
// report and ends that kind (or that index pass) for this run; its
// staging files stay for the next run.
//
// Both rebuilds show, on the run view, status line 0 ("データベース再構築
// （RA/20040501.DAT）", "インデックス再構築（SE/2001.IDX）") and progress bar 1
// (the second bar; the import run's own bar is the first), and let pending
// input through before each file. A cancel raised while a rebuild works
// stops it before the next file; what is not merged yet stays on disk.
// A cancel already set when a rebuild starts (the import was stopped while
// reading) does not stop it: the records read so far are merged.
#pragma once

#include <functional>
#include <set>
#include <string>

#include "app/front_end.h"

// What the rebuilds of one import run share.
struct TRebuildState {
  // Setup and update runs: collect race and runner index entries and the
  // birth years of new horses and foals. A quick-news fetch merges its
  // records and collects nothing.
  bool collectIndexEntries = true;

  // Index entries collected while a kind is merged; written to the ".IDX~"
  // files when the kind is done and empty between kinds.
  std::set<std::string> pendingRaceIndex;    // race keys (16 characters)
  std::set<std::string> pendingRunnerIndex;  // registration number (10) + race key (16)

  // Birth years whose horse (UM) or foal (SK) index is to be built again.
  // The index rebuild also builds every year marked on disk and empties
  // both sets.
  std::set<int> horseIndexYears;
  std::set<int> progenyIndexYears;

  // The latest creation date of a final-results race record (RA with data
  // kind "7") among the staging records merged; only ever raised.
  int finalResultsDate = 0;

  // Called after an H1 record file was rewritten (1: vote counts) or an
  // O1 one (2: announced odds), for the odds list to forget its copies.
  std::function<void(int source)> clearOdds;

  // Position of progress bar 1, carried from one rebuild to the next.
  int progress = 0;
};

// Merges every staging file of the data folder. After a rewritten RA, SE
// or HR file the race cache forgets that meeting; after KS the jockey
// list, after CH the trainer list is cleared. True when every staging file
// was merged; false after a file problem or a cancel.
bool RebuildDatabase(TRebuildState& state, TRunView& view);

// Merges the ".IDX~" files into the race and runner indexes, then builds
// the horse and foal index of every birth year that needs it, telling the
// race cache to forget its entries of that year. True when all is done;
// false after a file problem or a cancel (what is left is done next time).
bool RebuildIndexes(TRebuildState& state, TRunView& view);

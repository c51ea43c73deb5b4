// Appending delivered records to staging files.
//
// A converter hands every record it reads (CP932 bytes, exactly its kind's
// length) to one TStaging. The record goes unchanged to the end of the
// staging file of its kind and file number ("RA/20040501.DAT~" under the
// data folder, "KS.DAT~" for a single-file kind); folders are created when
// missing. The file stays open while consecutive records go to the same
// file, so a run of records of one meeting costs one open. What an earlier,
// interrupted run left in a staging file stays there: the rebuild merges
// everything present.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "import/record_kinds.h"

class TStaging {
 public:
  TStaging() = default;
  ~TStaging();
  TStaging(const TStaging&) = delete;
  TStaging& operator=(const TStaging&) = delete;

  // Appends one record. False, with nothing written, when the record's id
  // is unknown or its length is not its kind's (a converter's fault, not
  // reported), or when its staging file cannot be created or opened (file
  // problem report, size 0), is not a whole number of records (report with
  // its length) or cannot be written (report, size 0). After a false the
  // converter stops; the next call starts afresh.
  bool Append(std::string_view record);

  // Closes the open staging file, if any.
  void Close();

  // Every staging file opened since construction (full paths).
  const std::set<std::string>& TouchedFiles() const { return touched_; }

 private:
  int fd_ = -1;
  const TRecordKind* kind_ = nullptr;  // kind and number of the open file
  int number_ = 0;
  std::string path_;
  std::set<std::string> touched_;

  bool Open(const TRecordKind& kind, int number);
};

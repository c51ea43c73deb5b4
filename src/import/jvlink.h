// TJVLink: every call of the JV-Link component, the JRA-VAN Data Lab client.
//
// The import run, the main window and the race card talk to JV-Link only
// through this interface. Text crosses as CP932 bytes in std::string; a
// record read with JVRead is the whole fixed-length record, CR LF included.
//
// Call order: JVInit once per use; then JVOpen (stored data) or JVRTOpen
// (real-time data); JVStatus until it reaches the download count; JVRead,
// with JVSkip and JVFiledelete, until 0 or a stop; JVClose after every open
// (also after -1 from JVOpen or JVRTOpen). The video calls need JVInit only.
#pragma once

#include <string>

// Result codes of the component. 0 or more is success everywhere.
namespace jvcode {
inline constexpr int kOk = 0;
inline constexpr int kNoData = -1;            // JVOpen/JVRTOpen: nothing to read; JVRead: a file has ended
inline constexpr int kBadParameter = -100;
inline constexpr int kSidEmpty = -101;
inline constexpr int kSidTooLong = -102;       // over 64 bytes
inline constexpr int kSidBlank = -103;         // first character a blank
inline constexpr int kBadDataSpec = -111;
inline constexpr int kBadFromTime = -112;
inline constexpr int kBadKey = -114;
inline constexpr int kBadOption = -115;
inline constexpr int kNotInitialised = -201;  // no JVInit
inline constexpr int kStillOpen = -202;       // JVOpen/JVRTOpen without JVClose of the previous open
inline constexpr int kNotOpen = -203;         // read without JVOpen/JVRTOpen
inline constexpr int kNoServiceKey = -303;
inline constexpr int kInternalError = -401;
inline constexpr int kEmptyFile = -402;        // the file just read has size 0
inline constexpr int kBadFileContent = -403;   // the file just read holds a bad record
inline constexpr int kDownloadFailed = -502;  // a copy or read failed on disk
inline constexpr int kFileNotFound = -503;
}  // namespace jvcode

// The size argument of JVRead: one byte more than the longest record (H6,
// 102890 bytes).
inline constexpr int kJVReadSize = 102891;

class TJVLink {
 public:
  virtual ~TJVLink() = default;

  // Starts a use of the component with the software id. 0, or -101 (empty),
  // -102 (over 64 bytes), -103 (starts with a blank).
  virtual int JVInit(const std::string& sid) = 0;

  // Opens stored data. `dataspec` is a run of four-letter data specs,
  // `fromtime` 14 digits YYYYMMDDhhmmss, `option` 1 (normal), 2 (this
  // week), 3 (setup) or 4 (setup without dialog). On 0 the outs hold the
  // number of files to read, the number of them still to download and the
  // timestamp of the latest; -1: no file to read; other negatives: errors.
  virtual int JVOpen(const std::string& dataspec, const std::string& fromtime, int option,
                     int& readcount, int& downloadcount, std::string& lastfiletimestamp) = 0;

  // The number of files of the open data downloaded so far; reaches the
  // download count of JVOpen. Negative: error.
  virtual int JVStatus() = 0;

  // The next record: above 0 its length, with the record in `buff` and the
  // name of its file in `filename`; -1 at the end of each file (`filename`
  // still names it); 0 after the last file; -402 or -403 when the file
  // named in `filename` is bad (the caller deletes it with JVFiledelete).
  // `size` is the caller's buffer size (kJVReadSize); a std::string holds
  // any record, so the call neither limits by it nor changes it.
  virtual int JVRead(std::string& buff, int& size, std::string& filename) = 0;

  // Skips the rest of the current file: the next JVRead gives the first
  // record of the next file.
  virtual int JVSkip() = 0;

  // Deletes the downloaded copy of a file named by JVRead, so that it is
  // downloaded again by a later open. 0 on success.
  virtual int JVFiledelete(const std::string& filename) = 0;

  // Ends the open read. 0, also when nothing is open; -201 before JVInit.
  virtual int JVClose() = 0;

  // Opens real-time data: `dataspec` "0B11", "0B12", "0B14" or "0B30",
  // `key` the 8-digit race date or the 16-digit race key. 0: records
  // follow (read with JVRead); -1: no data for the key.
  virtual int JVRTOpen(const std::string& dataspec, const std::string& key) = 0;

  // The timestamp of the file being read (after its -1 still that file's),
  // compared as text by the callers.
  virtual std::string CurrentFileTimestamp() const = 0;

  // Shows the component's settings dialog. 0 or an error code.
  virtual int JVSetUIProperties() = 0;

  // 1 when a video of the race (`key` "%8d%08d") exists, else 0; negative:
  // error.
  virtual int JVMVCheck(const std::string& key) = 0;

  // Plays the race's video without waiting for it. 0 or an error code.
  virtual int JVMVPlay(const std::string& key) = 0;
};

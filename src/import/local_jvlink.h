// TLocalJVLink: the JV-Link of this program, serving JV-Data from a feed
// folder on disk as the component serves it from the service.
//
// Settings come from jvlink.ini (jvlink_settings.h), read at JVInit and at
// every open.
//
// Stored data: FEED/<data spec>/<YYYYMMDDhhmmss>.jvd for TOKU, RACE, DIFF,
// BLOD, SLOP and YSCH, the name being the file's timestamp. JVOpen takes
// the files of the listed data specs whose timestamp is later than the
// from-time, in timestamp order (equal timestamps in the order of the data
// specs in the call). "Downloading" copies a file to SAVE/<data
// spec>/<name>.jvd (through a temporary file renamed into place); a file
// whose copy is there with the feed file's size counts as downloaded.
// JVRead reads the copies, each once from start to end in pieces, and
// checks every record: it must end in CR LF and have the length of its
// kind. Kinds the program knows have a fixed length; a kind it does not know
// (an id of a capital letter and a capital letter or digit) is passed on
// whatever its length, for the caller to skip. A bad id, a wrong length or
// a missing CR LF gives -403, an empty file -402; reading then goes on with
// the next file.
//
// The file names JVRead gives are "<data spec>/<name>.jvd" ("RACE/
// 20250105120000.jvd", "0B30/2025010506010101.jvd").
//
// Real-time data: FEED/<0B11|0B12|0B14|0B30>/<key>.jvd, read straight from
// the feed; its current file timestamp is the file's modification time.
//
// Video: FEED/VIDEO/<race key>.<any extension>.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "import/jvlink.h"
#include "import/jvlink_settings.h"

class TLocalJVLink : public TJVLink {
 public:
  // Shows the settings dialog of jvlink.ini; returns 0 or an error code.
  using TUIPropertiesHandler = std::function<int()>;
  // Plays a video file without waiting; returns 0 or an error code.
  using TVideoPlayer = std::function<int(const std::string& path)>;

  TLocalJVLink();
  ~TLocalJVLink() override;
  TLocalJVLink(const TLocalJVLink&) = delete;
  TLocalJVLink& operator=(const TLocalJVLink&) = delete;

  // Also ends an open read.
  int JVInit(const std::string& sid) override;
  int JVOpen(const std::string& dataspec, const std::string& fromtime, int option, int& readcount,
             int& downloadcount, std::string& lastfiletimestamp) override;
  int JVStatus() override;
  int JVRead(std::string& buff, int& size, std::string& filename) override;
  int JVSkip() override;
  int JVFiledelete(const std::string& filename) override;
  int JVClose() override;
  int JVRTOpen(const std::string& dataspec, const std::string& key) override;
  std::string CurrentFileTimestamp() const override { return currentTimestamp_; }
  // Calls the handler set by the desktop program; without one there is no
  // dialog to show and the result is 0.
  int JVSetUIProperties() override;
  int JVMVCheck(const std::string& key) override;
  // Opens the video with the player set below, by default the desktop's
  // default player (xdg-open, started without a shell and not waited for).
  // -1 when the race has no video.
  int JVMVPlay(const std::string& key) override;

  void SetUIPropertiesHandler(TUIPropertiesHandler handler) { uiHandler_ = std::move(handler); }
  void SetVideoPlayer(TVideoPlayer player) { player_ = std::move(player); }

  // The file of the race's video, "" when there is none.
  std::string VideoPath(const std::string& key) const;

 private:
  struct TFile {
    std::string name;       // "<data spec>/<file>.jvd", as JVRead gives it
    std::string timestamp;  // the current file timestamp while it is read
    std::string feedPath;   // where it comes from
    std::string readPath;   // what JVRead reads: the downloaded copy, or the feed file
    std::int64_t size = 0;  // size in the feed
    bool pending = false;   // still to download when opened
    bool downloaded = false;
  };
  class TRecordStream;

  int CheckOpen() const;
  void ResetOpen();
  int Download(TFile& file);
  void CloseStream();
  int StartNextFile();
  int SpawnDefaultPlayer(const std::string& path);
  void ReapPlayers();

  bool initialised_ = false;
  bool open_ = false;
  TJVLinkSettings settings_;
  std::vector<TFile> files_;
  std::size_t next_ = 0;            // the file JVRead starts next
  int downloadCount_ = 0;           // files still to download when opened
  int downloaded_ = 0;              // of those, the ones downloaded since
  std::size_t nextDownload_ = 0;    // where JVStatus looks for the next one
  std::unique_ptr<TRecordStream> stream_;  // the file being read, or null
  std::string currentName_;
  std::string currentTimestamp_;
  TUIPropertiesHandler uiHandler_;
  TVideoPlayer player_;
  std::vector<pid_t> players_;  // started players not yet reaped
};

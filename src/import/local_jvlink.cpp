#include "import/local_jvlink.h"

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <string_view>

#include "app/file_io.h"
#include "database/jv_records.h"

extern char** environ;

namespace {

// The data specs of stored data and of real-time data.
constexpr std::string_view kStoredSpecs[] = {"TOKU", "RACE", "DIFF", "BLOD", "SLOP", "YSCH"};
constexpr std::string_view kRealTimeSpecs[] = {"0B11", "0B12", "0B14", "0B30"};

constexpr char kFileExtension[] = ".jvd";
constexpr std::size_t kTimestampLength = 14;
constexpr std::size_t kSidMaxLength = 64;

// The longest record of any kind (H6), CR LF included.
constexpr std::size_t kMaxRecordLength = 102890;
static_assert(kMaxRecordLength + 1 == static_cast<std::size_t>(kJVReadSize));
// Reading piece; always holds a whole record.
constexpr std::size_t kReadPiece = std::size_t{1} << 20;
static_assert(kReadPiece > kMaxRecordLength);

struct TKindLength {
  std::string_view id;
  int length;
};

// Every kind the program knows, with its length.
constexpr TKindLength kKindLengths[] = {
    {"TK", jv::tk::kLength}, {"RA", jv::ra::kLength}, {"SE", jv::se::kLength},
    {"HR", jv::hr::kLength}, {"O1", jv::o1::kLength}, {"O2", jv::o2::kLength},
    {"O3", jv::o3::kLength}, {"O4", jv::o4::kLength}, {"O5", jv::o5::kLength},
    {"O6", jv::o6::kLength}, {"H1", jv::h1::kLength}, {"H6", jv::h6::kLength},
    {"UM", jv::um::kLength}, {"SK", jv::sk::kLength}, {"HN", jv::hn::kLength},
    {"KS", jv::ks::kLength}, {"CH", jv::ch::kLength}, {"BR", jv::br::kLength},
    {"BN", jv::bn::kLength}, {"RC", jv::rc::kLength}, {"HC", jv::hc::kLength},
    {"WH", jv::wh::kLength}, {"WE", jv::we::kLength}, {"AV", jv::av::kLength},
    {"JC", jv::jc::kLength}, {"TC", jv::tc::kLength}, {"CC", jv::cc::kLength},
    {"DM", jv::dm::kLength}, {"YS", jv::ys::kLength},
};

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text, std::size_t length) {
  return text.size() == length && std::all_of(text.begin(), text.end(), IsDigit);
}

// A record as delivered: CR LF at its end, and the length of its kind when
// the kind is known; an unknown kind needs a well-formed id.
bool RecordFits(std::string_view record) {
  if (record.size() < 4 || record[record.size() - 2] != '\r' || record.back() != '\n') return false;
  std::string_view id = record.substr(0, 2);
  for (const TKindLength& kind : kKindLengths) {
    if (kind.id == id) return record.size() == static_cast<std::size_t>(kind.length);
  }
  return IsUpper(id[0]) && (IsUpper(id[1]) || IsDigit(id[1]));
}

// The data specs of a JVOpen call in their order, each once; false when one
// is unknown or the text is not a run of four-letter data specs.
bool ParseDataSpecs(const std::string& dataspec, std::vector<std::string>& specs) {
  specs.clear();
  if (dataspec.empty() || dataspec.size() % 4 != 0) return false;
  for (std::size_t i = 0; i < dataspec.size(); i += 4) {
    std::string spec = dataspec.substr(i, 4);
    if (std::find(std::begin(kStoredSpecs), std::end(kStoredSpecs), spec) == std::end(kStoredSpecs)) {
      return false;
    }
    if (std::find(specs.begin(), specs.end(), spec) == specs.end()) specs.push_back(spec);
  }
  return true;
}

bool IsRealTimeSpec(std::string_view spec) {
  return std::find(std::begin(kRealTimeSpecs), std::end(kRealTimeSpecs), spec) != std::end(kRealTimeSpecs);
}

bool IsStoredSpec(std::string_view spec) {
  return std::find(std::begin(kStoredSpecs), std::end(kStoredSpecs), spec) != std::end(kStoredSpecs);
}

// Size of a regular file, or -1.
std::int64_t RegularFileSize(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return static_cast<std::int64_t>(st.st_size);
}

// The names in a folder (none when it cannot be read).
std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

// Modification time as YYYYMMDDhhmmss, local time.
std::string ModificationStamp(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return std::string();
  std::tm local{};
  if (localtime_r(&st.st_mtime, &local) == nullptr) return std::string();
  char text[32];
  std::size_t n = std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &local);
  return std::string(text, n);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Copies `from` to `to` through "<to>.part", flushed and renamed into place.
// 0, or the errno of the step that failed.
int CopyFileAtomically(const std::string& from, const std::string& to) {
  int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return errno;
  std::string temp = to + ".part";
  int out = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (out < 0) {
    int error = errno;
    close(in);
    return error;
  }
  std::vector<char> buffer(kReadPiece);
  int error = 0;
  for (;;) {
    ssize_t n = read(in, buffer.data(), buffer.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    if (n == 0) break;
    if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(n))) {
      error = errno;
      break;
    }
  }
  if (error == 0 && fsync(out) != 0) error = errno;
  if (close(out) != 0 && error == 0) error = errno;
  close(in);
  if (error == 0 && rename(temp.c_str(), to.c_str()) != 0) error = errno;
  if (error != 0) unlink(temp.c_str());
  return error;
}

}  // namespace

// One file read from start to end in pieces, handing out one record at a time.
class TLocalJVLink::TRecordStream {
 public:
  enum TResult { kRecord, kEnd, kBad, kError };

  ~TRecordStream() {
    if (fd_ >= 0) close(fd_);
  }

  // 0, or the errno of the open; `size` is the file's size.
  int Open(const std::string& path, std::int64_t& size) {
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return errno;
    struct stat st;
    if (fstat(fd_, &st) != 0) return errno;
    size = static_cast<std::int64_t>(st.st_size);
    buffer_.resize(kReadPiece);
    return 0;
  }

  TResult Next(std::string& record) {
    for (;;) {
      const char* start = buffer_.data() + begin_;
      std::size_t available = end_ - begin_;
      const void* lf = std::memchr(start, '\n', std::min(available, kMaxRecordLength));
      if (lf != nullptr) {
        std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lf) - start) + 1;
        record.assign(start, length);
        begin_ += length;
        return RecordFits(record) ? kRecord : kBad;
      }
      if (available >= kMaxRecordLength) return kBad;  // no line end where one must be
      if (eof_) return available == 0 ? kEnd : kBad;
      if (!Fill()) return kError;
    }
  }

 private:
  // Moves the unread rest to the front and reads more behind it.
  bool Fill() {
    std::size_t rest = end_ - begin_;
    if (begin_ > 0) std::memmove(buffer_.data(), buffer_.data() + begin_, rest);
    begin_ = 0;
    end_ = rest;
    for (;;) {
      ssize_t n = read(fd_, buffer_.data() + end_, buffer_.size() - end_);
      if (n < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      if (n == 0) eof_ = true;
      end_ += static_cast<std::size_t>(n);
      return true;
    }
  }

  int fd_ = -1;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
};

TLocalJVLink::TLocalJVLink() = default;

TLocalJVLink::~TLocalJVLink() { ReapPlayers(); }

int TLocalJVLink::JVInit(const std::string& sid) {
  if (sid.empty()) return jvcode::kSidEmpty;
  if (sid.size() > kSidMaxLength) return jvcode::kSidTooLong;
  if (sid[0] == ' ') return jvcode::kSidBlank;
  ResetOpen();
  initialised_ = true;
  settings_ = ReadJVLinkSettings();
  return jvcode::kOk;
}

int TLocalJVLink::CheckOpen() const {
  if (!initialised_) return jvcode::kNotInitialised;
  if (!open_) return jvcode::kNotOpen;
  return jvcode::kOk;
}

int TLocalJVLink::JVOpen(const std::string& dataspec, const std::string& fromtime, int option,
                         int& readcount, int& downloadcount, std::string& lastfiletimestamp) {
  readcount = 0;
  downloadcount = 0;
  lastfiletimestamp.clear();
  if (!initialised_) return jvcode::kNotInitialised;
  if (open_) return jvcode::kStillOpen;
  std::vector<std::string> specs;
  if (!ParseDataSpecs(dataspec, specs)) return jvcode::kBadDataSpec;
  if (!AllDigits(fromtime, kTimestampLength)) return jvcode::kBadFromTime;
  if (option < 1 || option > 4) return jvcode::kBadOption;
  settings_ = ReadJVLinkSettings();
  if (settings_.serviceKey.empty()) return jvcode::kNoServiceKey;

  std::vector<TFile> files;
  for (const std::string& spec : specs) {
    std::string folder = settings_.feedPath + spec + "/";
    for (const std::string& entry : FolderEntries(folder)) {
      std::string_view stem(entry);
      if (stem.size() != kTimestampLength + std::strlen(kFileExtension) ||
          stem.substr(kTimestampLength) != kFileExtension) {
        continue;
      }
      stem = stem.substr(0, kTimestampLength);
      if (!AllDigits(stem, kTimestampLength) || stem <= std::string_view(fromtime)) continue;
      TFile file;
      file.feedPath = folder + entry;
      file.size = RegularFileSize(file.feedPath);
      if (file.size < 0) continue;
      file.name = spec + "/" + entry;
      file.timestamp = std::string(stem);
      file.readPath = settings_.savePath + file.name;
      file.pending = RegularFileSize(file.readPath) != file.size;
      files.push_back(std::move(file));
    }
  }
  // Files of one data spec come in name order; equal timestamps keep the
  // order of the data specs.
  std::stable_sort(files.begin(), files.end(),
                   [](const TFile& a, const TFile& b) { return a.timestamp < b.timestamp; });
  if (files.empty()) return jvcode::kNoData;

  files_ = std::move(files);
  open_ = true;
  next_ = 0;
  nextDownload_ = 0;
  downloaded_ = 0;
  downloadCount_ = static_cast<int>(std::count_if(files_.begin(), files_.end(),
                                                  [](const TFile& f) { return f.pending; }));
  currentName_.clear();
  currentTimestamp_.clear();
  readcount = static_cast<int>(files_.size());
  downloadcount = downloadCount_;
  lastfiletimestamp = files_.back().timestamp;
  return jvcode::kOk;
}

int TLocalJVLink::Download(TFile& file) {
  std::string folder = file.readPath.substr(0, file.readPath.rfind('/') + 1);
  if (!CreateFolderChain(folder)) return jvcode::kDownloadFailed;
  int error = CopyFileAtomically(file.feedPath, file.readPath);
  if (error == ENOENT) return jvcode::kFileNotFound;
  if (error != 0) return jvcode::kDownloadFailed;
  if (file.pending && !file.downloaded) ++downloaded_;
  file.downloaded = true;
  return jvcode::kOk;
}

int TLocalJVLink::JVStatus() {
  if (int check = CheckOpen(); check != jvcode::kOk) return check;
  while (nextDownload_ < files_.size() &&
         !(files_[nextDownload_].pending && !files_[nextDownload_].downloaded)) {
    ++nextDownload_;
  }
  if (nextDownload_ < files_.size()) {
    int result = Download(files_[nextDownload_]);
    if (result < 0) return result;
  }
  return downloaded_;
}

void TLocalJVLink::CloseStream() {
  if (stream_) {
    stream_.reset();
    ++next_;
  }
}

int TLocalJVLink::StartNextFile() {
  TFile& file = files_[next_];
  currentName_ = file.name;
  currentTimestamp_ = file.timestamp;
  bool copied = file.readPath != file.feedPath;
  if (copied && file.pending && !file.downloaded) {
    if (int result = Download(file); result < 0) {
      ++next_;
      return result;
    }
  }
  auto stream = std::make_unique<TRecordStream>();
  std::int64_t size = 0;
  int error = stream->Open(file.readPath, size);
  if (error == ENOENT && copied) {  // the copy was deleted since: download it again
    if (int result = Download(file); result < 0) {
      ++next_;
      return result;
    }
    stream = std::make_unique<TRecordStream>();
    error = stream->Open(file.readPath, size);
  }
  if (error != 0) {
    ++next_;
    return error == ENOENT ? jvcode::kFileNotFound : jvcode::kDownloadFailed;
  }
  if (size == 0) {
    ++next_;
    return jvcode::kEmptyFile;
  }
  stream_ = std::move(stream);
  return jvcode::kOk;
}

int TLocalJVLink::JVRead(std::string& buff, int& /*size*/, std::string& filename) {
  buff.clear();
  if (int check = CheckOpen(); check != jvcode::kOk) return check;
  if (!stream_) {
    if (next_ >= files_.size()) {
      filename.clear();
      return jvcode::kOk;  // every file read
    }
    int result = StartNextFile();
    filename = currentName_;
    if (result < 0) return result;
  }
  filename = currentName_;
  switch (stream_->Next(buff)) {
    case TRecordStream::kRecord:
      return static_cast<int>(buff.size());
    case TRecordStream::kEnd:
      CloseStream();
      return jvcode::kNoData;
    case TRecordStream::kBad:
      buff.clear();
      CloseStream();
      return jvcode::kBadFileContent;
    case TRecordStream::kError:
      break;
  }
  buff.clear();
  CloseStream();
  return jvcode::kDownloadFailed;
}

int TLocalJVLink::JVSkip() {
  if (int check = CheckOpen(); check != jvcode::kOk) return check;
  CloseStream();
  return jvcode::kOk;
}

int TLocalJVLink::JVFiledelete(const std::string& filename) {
  if (!initialised_) return jvcode::kNotInitialised;
  std::size_t slash = filename.find('/');
  if (slash == std::string::npos) return jvcode::kBadParameter;
  std::string_view spec = std::string_view(filename).substr(0, slash);
  std::string_view entry = std::string_view(filename).substr(slash + 1);
  std::size_t extension = std::strlen(kFileExtension);
  if (entry.size() <= extension || entry.substr(entry.size() - extension) != kFileExtension ||
      entry.find('/') != std::string_view::npos) {
    return jvcode::kBadParameter;
  }
  if (IsRealTimeSpec(spec)) return jvcode::kOk;  // read from the feed, never downloaded
  if (!IsStoredSpec(spec) || !AllDigits(entry.substr(0, entry.size() - extension), kTimestampLength)) {
    return jvcode::kBadParameter;
  }
  std::string path = settings_.savePath + filename;
  if (unlink(path.c_str()) != 0 && errno != ENOENT) return jvcode::kInternalError;
  return jvcode::kOk;
}

void TLocalJVLink::ResetOpen() {
  stream_.reset();
  files_.clear();
  open_ = false;
  next_ = 0;
  nextDownload_ = 0;
  downloaded_ = 0;
  downloadCount_ = 0;
}

int TLocalJVLink::JVClose() {
  if (!initialised_) return jvcode::kNotInitialised;
  ResetOpen();
  return jvcode::kOk;
}

int TLocalJVLink::JVRTOpen(const std::string& dataspec, const std::string& key) {
  if (!initialised_) return jvcode::kNotInitialised;
  if (open_) return jvcode::kStillOpen;
  if (!IsRealTimeSpec(dataspec)) return jvcode::kBadDataSpec;
  if (!AllDigits(key, 8) && !AllDigits(key, jv::race_key::kLength)) return jvcode::kBadKey;
  settings_ = ReadJVLinkSettings();
  if (settings_.serviceKey.empty()) return jvcode::kNoServiceKey;
  TFile file;
  file.name = dataspec + "/" + key + kFileExtension;
  file.feedPath = settings_.feedPath + file.name;
  file.readPath = file.feedPath;
  file.size = RegularFileSize(file.feedPath);
  if (file.size < 0) return jvcode::kNoData;
  file.timestamp = ModificationStamp(file.feedPath);
  files_ = {file};
  open_ = true;
  next_ = 0;
  currentName_.clear();
  currentTimestamp_.clear();
  return jvcode::kOk;
}

int TLocalJVLink::JVSetUIProperties() { return uiHandler_ ? uiHandler_() : jvcode::kOk; }

std::string TLocalJVLink::VideoPath(const std::string& key) const {
  if (!AllDigits(key, jv::race_key::kLength)) return std::string();
  std::string folder = settings_.feedPath + "VIDEO/";
  std::string prefix = key + ".";
  for (const std::string& entry : FolderEntries(folder)) {
    if (entry.size() > prefix.size() && entry.compare(0, prefix.size(), prefix) == 0 &&
        RegularFileSize(folder + entry) >= 0) {
      return folder + entry;
    }
  }
  return std::string();
}

int TLocalJVLink::JVMVCheck(const std::string& key) {
  if (!initialised_) return jvcode::kNotInitialised;
  if (!AllDigits(key, jv::race_key::kLength)) return jvcode::kBadKey;
  return VideoPath(key).empty() ? 0 : 1;
}

int TLocalJVLink::JVMVPlay(const std::string& key) {
  if (!initialised_) return jvcode::kNotInitialised;
  if (!AllDigits(key, jv::race_key::kLength)) return jvcode::kBadKey;
  std::string path = VideoPath(key);
  if (path.empty()) return jvcode::kNoData;
  return player_ ? player_(path) : SpawnDefaultPlayer(path);
}

int TLocalJVLink::SpawnDefaultPlayer(const std::string& path) {
  ReapPlayers();
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return jvcode::kInternalError;
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  std::string program = "xdg-open";
  std::string argument = path;
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t pid = 0;
  int error = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return jvcode::kInternalError;
  players_.push_back(pid);
  return jvcode::kOk;
}

void TLocalJVLink::ReapPlayers() {
  std::erase_if(players_, [](pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) != 0;  // ended (reaped) or not ours any more
  });
}

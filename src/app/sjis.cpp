#include "app/sjis.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace {

// One iconv descriptor per direction and thread, opened on first use.
class TConverter {
 public:
  TConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~TConverter() { iconv_close(cd_); }
  TConverter(const TConverter&) = delete;
  TConverter& operator=(const TConverter&) = delete;

  std::string Convert(std::string_view in, std::size_t badInputStep) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(in.size() * 3 / 2 + 8);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[1024];
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (rc != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: an unconvertible or cut character. Replace it and
      // step over it (a whole UTF-8 sequence, or one CP932 byte).
      out += '?';
      std::size_t step = badInputStep;
      if (badInputStep == 0) {  // UTF-8 input: skip the whole sequence
        unsigned char c = static_cast<unsigned char>(*src);
        step = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        std::size_t i = 1;
        while (i < step && i < srcLeft && (static_cast<unsigned char>(src[i]) & 0xC0) == 0x80) ++i;
        step = i;
      } else if (IsSjisLeadByte(static_cast<unsigned char>(*src)) && srcLeft >= 2 &&
                 static_cast<unsigned char>(src[1]) >= 0x40) {
        step = 2;
      }
      if (step > srcLeft) step = srcLeft;
      src += step;
      srcLeft -= step;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string Utf8ToSjis(std::string_view utf8) {
  thread_local TConverter converter("CP932", "UTF-8");
  return converter.Convert(utf8, 0);
}

std::string SjisToUtf8(std::string_view sjis) {
  thread_local TConverter converter("UTF-8", "CP932");
  return converter.Convert(sjis, 1);
}

std::size_t SjisCutLength(std::string_view text, std::size_t maxBytes) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t width = IsSjisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    if (i + width > maxBytes || i + width > text.size()) break;
    i += width;
  }
  return i;
}

std::string SjisCut(std::string_view text, std::size_t maxBytes) {
  return std::string(text.substr(0, SjisCutLength(text, maxBytes)));
}

void PutSjis(std::FILE* stream, std::string_view sjis) {
  std::string utf8 = SjisToUtf8(sjis);
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

#include "sample/lzh_writer.h"

#include <stdexcept>

namespace sample {

namespace {

// A level-0 header's size byte counts the bytes after the first two: 22
// besides the name (method, sizes, stamp, attribute, level, name length, CRC).
constexpr std::size_t kMaxName = 255 - 22;

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::uint16_t LzhCrc16(std::string_view bytes) {
  unsigned crc = 0;
  for (char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) != 0 ? (crc >> 1) ^ 0xA001 : crc >> 1;
  }
  return static_cast<std::uint16_t>(crc);
}

std::string LzhArchive(const std::vector<std::pair<std::string, std::string>>& members,
                       int dateNumber) {
  const int year = dateNumber / 10000, month = dateNumber / 100 % 100, day = dateNumber % 100;
  // MS-DOS stamp: time in the low half (midnight), date in the high half.
  const std::uint32_t stamp = static_cast<std::uint32_t>(((year - 1980) << 9) | (month << 5) | day)
                              << 16;
  std::string archive;
  for (const auto& [name, bytes] : members) {
    if (name.size() > kMaxName) throw std::length_error("LZH member name too long");
    if (bytes.size() > 0xFFFFFFFFu) throw std::length_error("LZH member too large");
    std::string header;
    header += "-lh0-";
    Put32(header, static_cast<std::uint32_t>(bytes.size()));  // packed size
    Put32(header, static_cast<std::uint32_t>(bytes.size()));  // original size
    Put32(header, stamp);
    header += static_cast<char>(0x20);  // attribute: archive
    header += static_cast<char>(0);     // header level
    header += static_cast<char>(name.size());
    header += name;
    Put16(header, LzhCrc16(bytes));
    unsigned sum = 0;
    for (char c : header) sum += static_cast<unsigned char>(c);
    archive += static_cast<char>(header.size());
    archive += static_cast<char>(sum & 0xFF);
    archive += header;
    archive += bytes;
  }
  archive += '\0';
  return archive;
}

}  // namespace sample

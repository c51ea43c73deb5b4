// An LZH archive writer: the archives that carry KOL predicted odds.
//
// Members are stored uncompressed (method "-lh0-") under level-0 headers:
// header size, header checksum, method, packed and original size, MS-DOS
// time stamp, attribute, level, name, CRC-16 of the data. The archive ends
// with a zero byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sample {

// CRC-16 of LZH members (polynomial 0x8005 reflected as 0xA001, initial 0,
// no final xor).
std::uint16_t LzhCrc16(std::string_view bytes);

// The archive of the (file name, bytes) members in the given order, each
// stamped with midnight of `dateNumber` (YYYYMMDD, 1980 or later). A name
// longer than a level-0 header holds (233 bytes) throws std::length_error.
std::string LzhArchive(const std::vector<std::pair<std::string, std::string>>& members,
                       int dateNumber = 20000101);

}  // namespace sample

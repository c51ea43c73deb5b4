// Shift-JIS (CP932) text: conversion at the edges and the literal helper.
//
// Text inside the program is CP932 bytes in std::string, exactly as records
// and output files hold it. Source files are UTF-8; a Japanese literal is
// written as SJ("東京") and converted once, on first use.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// UTF-8 to CP932. A character that CP932 cannot hold becomes "?".
std::string Utf8ToSjis(std::string_view utf8);

// CP932 to UTF-8. A byte sequence that is not CP932 becomes "?".
std::string SjisToUtf8(std::string_view sjis);

// True for the first byte of a two-byte CP932 character.
constexpr bool IsSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The longest prefix of `text` that holds at most `maxBytes` bytes and does
// not end in the middle of a two-byte character.
std::size_t SjisCutLength(std::string_view text, std::size_t maxBytes);

// `text` cut to at most `maxBytes` bytes on a character boundary.
std::string SjisCut(std::string_view text, std::size_t maxBytes);

// Writes CP932 text to a terminal stream as UTF-8.
void PutSjis(std::FILE* stream, std::string_view sjis);

// The CP932 form of a UTF-8 literal, converted on first use and kept.
#define SJ(utf8_literal)                                                    \
  ([]() -> const std::string& {                                             \
    static const std::string sjis_literal_ = ::Utf8ToSjis(utf8_literal);    \
    return sjis_literal_;                                                   \
  }())

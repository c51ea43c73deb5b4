// What the import tells the user about a JV-Link result code.
#pragma once

#include <string>

// The text of a result code ("" for a code without one, which is not
// reported).
const std::string& JVLinkErrorText(int code);

// The message of a reported code: "エラーコード:", the code, two line feeds,
// the text and "\n\nby JRA-VAN Data Lab."; "" for a code without a text.
std::string JVLinkErrorMessage(int code);

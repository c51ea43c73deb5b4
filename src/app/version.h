// The product title and version.
#pragma once

#include <string>

// "ミズナラ for JRA-VAN Data Lab." (CP932).
const std::string& ProductTitle();

// "Version 1.3.2".
std::string VersionText();

// The application title: the product title, a blank and the version text.
std::string ApplicationTitle();

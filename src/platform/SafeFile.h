#pragma once

// Reading and writing whole files. Writes go to a temporary file that
// replaces the old one only once everything is on disk, so a crash or a full
// disk never leaves half a file behind.

#include "quizfile/Result.h"

#include <string>
#include <string_view>

quizfile::Result<std::string> readFileBytes(const std::string& path);
quizfile::Status writeFileSafely(const std::string& path, std::string_view bytes);

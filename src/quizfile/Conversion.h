#pragma once

// orba's Convert and Revert commands after the open dialog: they only change
// the extension of a quiz file between ".txt" and ".qzf", never its content.
// The windows translate these English texts through their language table.

#include <string>
#include <string_view>

#include "quizfile/Result.h"

namespace quizfile {

inline constexpr std::string_view kSelectTxtMessage = "You must select a .txt file.";
inline constexpr std::string_view kSelectQzfMessage = "You must select a .qzf file.";
inline constexpr std::string_view kNoSuchFileMessage = "There's no such file.";
inline constexpr std::string_view kQzfExistsMessage = "There's already a .qzf file with that name.";
inline constexpr std::string_view kTxtExistsMessage = "There's already a .txt file with that name.";
inline constexpr std::string_view kRenameFailedMessage = "The file could not be renamed.";

// path is the name the open dialog returned, empty when it was cancelled.
// The extension must be written exactly in lower case. An existing target is
// never replaced.
Status convertTxtToQzf(const std::string& path);
Status revertQzfToTxt(const std::string& path);

} // namespace quizfile

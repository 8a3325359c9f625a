#pragma once

// The four most recently opened files, key "1" the newest. orba keeps its
// list in section "PreviousFiles", the editor in "EditorPreviousFiles".

#include <array>
#include <string>
#include <string_view>

class SettingsStore;

using PreviousFileList = std::array<std::string, 4>;

// P first, then the older entries in their order without P, at most four.
PreviousFileList withFileAdded(const PreviousFileList& list, const std::string& path);
// The list without P, closed up, the freed places empty.
PreviousFileList withFileRemoved(const PreviousFileList& list, const std::string& path);
// Caption of menu entry n (0..3): "&1 - path", or empty for no entry.
std::string previousFileCaption(const PreviousFileList& list, int n);

PreviousFileList readPreviousFiles(const SettingsStore& store, std::string_view section);
void writePreviousFiles(SettingsStore& store, std::string_view section, const PreviousFileList& list);

inline constexpr std::string_view kMovedOrRenamedMessage =
    "Whoops!  Looks like that file has either been moved or renamed.";

#pragma once

// Menu commands that more than one window of orba offers.

struct Platform;
class LanguageTable;

// "Convert .txt to .qzf" (toQzf) and "Revert .qzf to .txt": asks for the
// file, renames it, and says why when it cannot.
void convertQuizFile(Platform& platform, const LanguageTable& lang, bool toQzf);

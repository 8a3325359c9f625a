#pragma once

// Menu commands that more than one window of orba offers.

#include <string>

struct Platform;
class LanguageTable;
class QAction;
class QWidget;

// "Convert .txt to .qzf" (toQzf) and "Revert .qzf to .txt": asks for the
// file, renames it, and says why when it cannot.
void convertQuizFile(Platform& platform, const LanguageTable& lang, bool toQzf);

// Puts a file just opened at the top of the previous-files list.
void rememberPreviousFile(Platform& platform, const std::string& path);

// A listed file that has gone: says so and takes it off the list.
void forgetPreviousFile(Platform& platform, const std::string& path);

// The menu entries every main window of orba has: "Open Quiz Script Editor",
// the two conversions and "Contents and Index".
struct SharedCommands {
    QAction* editOpen;
    QAction* convert;
    QAction* revert;
    QAction* contents;
};
// Makes them act; their dialogs are centred on `window`.
void connectSharedCommands(QWidget* window, const SharedCommands& actions, Platform& platform, const LanguageTable& lang);

#pragma once

// The editor's command line for authors: enciphering and deciphering quiz
// files without opening a window.

#include <string>
#include <vector>

struct EditorCommand {
    enum class Mode { Window, Help, Version, Encrypt, Decrypt, Error };
    Mode mode = Mode::Window;
    std::string input;
    std::string output;
    std::string password; // as typed: native (UTF-8) text
    bool remember = false;
    std::string error;
};

// args excludes the program name.
EditorCommand parseEditorCommand(const std::vector<std::string>& args);

std::string editorUsage();

// Runs --encrypt or --decrypt: what to print on standard output and
// standard error, and the exit code.
int runEditorCommand(const EditorCommand& command, std::string& out, std::string& err);

#pragma once

#include <string>

// The editor's one record: the file being edited and the password that
// serves every encrypted save of the run.
struct SkribState {
    std::string ScriptPath;       // native path; empty for an untitled script
    bool TextChanged = false;
    bool SaveFailed = false;
    // Empty while the script counts as plain; the magic line (and the key
    // line of the last encrypted save) once it is encrypted.
    std::string EncryptionHeader;
    int EditorFontSize = 10;
    std::string EditorPassword;   // Windows-1252, at most 16 characters
    bool AutoSaveEncrypted = false;
};

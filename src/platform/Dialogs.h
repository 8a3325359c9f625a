#pragma once

// The common dialogs, as windows use them. Texts shown to the user are
// Windows-1252; file and folder paths are native (UTF-8) paths.

#include <QtCore/qglobal.h>

#include <optional>
#include <string>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

enum class MsgIcon { None, Information, Warning, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct FontChoice {
    std::string name;
    double size = 0; // points
    bool bold = false;
    bool italic = false;

    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The window the dialogs are centred on and owned by; nullptr leaves the
    // choice to the implementation (the active window).
    virtual void setOwner(QWidget* owner) = 0;
    virtual QWidget* owner() const = 0;

    // An empty title shows the program's name.
    virtual MsgAnswer message(const std::string& text, MsgIcon icon = MsgIcon::None,
                              MsgButtons buttons = MsgButtons::Ok, const std::string& title = {}) = 0;

    // nullopt when cancelled.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;

    // The filter is "Description|*.a;*.b|Other|*.c". The chosen path, or ""
    // when cancelled. The save dialog neither adds an extension nor asks
    // before replacing a file: the callers ask themselves.
    virtual std::string openFile(const std::string& title, const std::string& filter,
                                 const std::string& startFolder = {}) = 0;
    virtual std::string saveFile(const std::string& title, const std::string& filter,
                                 const std::string& suggestedName = {}) = 0;

    virtual std::optional<FontChoice> pickFont(const FontChoice& initial) = 0;
    virtual std::optional<std::string> browseFolder(const std::string& title) = 0;
};

// Makes a window the dialogs' owner for one scope, then restores the previous one.
class ScopedDialogOwner final {
public:
    ScopedDialogOwner(Dialogs& dialogs, QWidget* owner) : dialogs_(dialogs), previous_(dialogs.owner()) { dialogs.setOwner(owner); }
    ~ScopedDialogOwner() { dialogs_.setOwner(previous_); }
    ScopedDialogOwner(const ScopedDialogOwner&) = delete;
    ScopedDialogOwner& operator=(const ScopedDialogOwner&) = delete;

private:
    Dialogs& dialogs_;
    QWidget* previous_;
};

#include "skrib/EditorCommandLine.h"

#include "platform/SafeFile.h"
#include "quizfile/Ansi.h"
#include "quizfile/Container.h"
#include "quizfile/KeyLine.h"
#include "quizfile/Lines.h"
#include "quizfile/Rng.h"
#include "skrib/text/EncryptedSave.h"
#include "skrib/text/ScriptText.h"

EditorCommand parseEditorCommand(const std::vector<std::string>& args)
{
    EditorCommand c;
    auto fail = [&c](std::string why) {
        c.mode = EditorCommand::Mode::Error;
        c.error = std::move(why);
        return c;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size())
                return false;
            into = args[++i];
            return true;
        };
        if (a == "--help" || a == "-h") {
            c.mode = EditorCommand::Mode::Help;
            return c;
        }
        if (a == "--version") {
            c.mode = EditorCommand::Mode::Version;
            return c;
        }
        if (a == "--encrypt" || a == "--decrypt") {
            c.mode = a == "--encrypt" ? EditorCommand::Mode::Encrypt : EditorCommand::Mode::Decrypt;
            if (!value(c.input))
                return fail(a + " needs a file");
        } else if (a == "--out") {
            if (!value(c.output))
                return fail("--out needs a file");
        } else if (a == "--password") {
            if (!value(c.password))
                return fail("--password needs a password");
        } else if (a == "--remember") {
            c.remember = true;
        } else {
            return fail("unknown argument: " + a);
        }
    }
    const bool fileMode = c.mode == EditorCommand::Mode::Encrypt || c.mode == EditorCommand::Mode::Decrypt;
    if (!fileMode && (!c.output.empty() || !c.password.empty() || c.remember))
        return fail("--out, --password and --remember go with --encrypt or --decrypt");
    if (fileMode && c.password.empty())
        return fail("a password is needed (--password P)");
    if (c.mode == EditorCommand::Mode::Encrypt && c.output.empty())
        return fail("--encrypt needs --out FILE");
    return c;
}

std::string editorUsage()
{
    return "Usage: skrib\n"
           "       skrib --encrypt IN --out OUT --password P [--remember]\n"
           "       skrib --decrypt IN --password P\n"
           "\n"
           "Without arguments, opens the Quiz Script Editor.\n"
           "  --encrypt IN    write the quiz script IN as an encrypted quiz file OUT\n"
           "  --remember      let the editor save OUT again without asking the password\n"
           "  --decrypt IN    print the plain script of the encrypted quiz file IN\n"
           "                  (Windows-1252 text, lines ending in CR LF)\n";
}

int runEditorCommand(const EditorCommand& c, std::string& out, std::string& err)
{
    const auto input = readFileBytes(c.input);
    if (!input.ok()) {
        err = "skrib: " + c.input + ": " + input.error() + "\n";
        return 1;
    }
    const std::string password = quizfile::utf8ToAnsi(c.password);
    if (c.mode == EditorCommand::Mode::Decrypt) {
        const auto lines = quizfile::readEncrypted(input.value(), password);
        if (!lines.ok()) {
            err = quizfile::ansiToUtf8(lines.error()) + "\n";
            return 1;
        }
        out = skrib::JoinScript(lines.value());
        return 0;
    }

    // Any line end of the input counts; the quiz file is written with CR LF.
    const auto converted = quizfile::convertedFromUtf8(input.value());
    const std::string& script = converted ? *converted : input.value();
    std::string text = quizfile::joinCrLf(quizfile::splitLines(script, quizfile::LineEnds::Plain));
    if (!script.empty() && (script.back() == '\n' || script.back() == '\r'))
        text += "\r\n";
    if (!quizfile::isStorablePassword(password)) {
        err = "skrib: that password cannot be used (1 to 16 characters, no control characters)\n";
        return 1;
    }
    quizfile::Rng rng;
    const std::string keyLine = quizfile::makeKeyLine(password, c.remember, rng);
    const skrib::EncryptedSave save = skrib::encryptedSaveBytes(text, keyLine);
    if (save.controlsReplaced > 0)
        err = "skrib: " + std::to_string(save.controlsReplaced)
              + " tab or control character(s) were saved as spaces, because an encrypted quiz file cannot hold them.\n";
    const quizfile::Status written = writeFileSafely(c.output, save.bytes);
    if (!written.ok()) {
        err += "skrib: " + c.output + ": " + written.error() + "\n";
        return 1;
    }
    return 0;
}

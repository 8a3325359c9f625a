#include "skrib/text/EncryptedSave.h"

#include "quizfile/Container.h"
#include "skrib/text/ScriptText.h"

namespace skrib {

EncryptedSave encryptedSaveBytes(std::string_view text, const std::string& keyLine)
{
    EncryptedSave out;
    std::vector<std::string> lines = SplitScript(collapseDoubleCr(text));
    for (auto& line : lines) {
        for (char& c : line) {
            if (static_cast<unsigned char>(c) < 32) {
                c = ' ';
                ++out.controlsReplaced;
            }
        }
    }
    out.bytes = quizfile::writeEncryptedWithKeyLine(lines, keyLine);
    return out;
}

} // namespace skrib

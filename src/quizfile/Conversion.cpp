#include "quizfile/Conversion.h"

#include <filesystem>
#include <system_error>

namespace quizfile {

namespace fs = std::filesystem;

namespace {

Status failure(std::string_view message)
{
    return Status::failure(std::string(message));
}

// from and to are extensions without the dot, three characters each.
Status renameExtension(const std::string& path, std::string_view from, std::string_view to,
                       std::string_view wrongExtension, std::string_view targetExists)
{
    const std::string dotted = "." + std::string(from);
    if (!std::string_view(path).ends_with(dotted))
        return failure(wrongExtension);

    std::error_code ec;
    const fs::path source(path);
    if (!fs::is_regular_file(source, ec))
        return failure(kNoSuchFileMessage);

    const fs::path target(path.substr(0, path.size() - from.size()) + std::string(to));
    // symlink_status, so that a dangling link of that name also counts.
    const fs::file_status targetStatus = fs::symlink_status(target, ec);
    if (fs::exists(targetStatus))
        return failure(targetExists);
    if (targetStatus.type() != fs::file_type::not_found)
        return failure(kRenameFailedMessage);

    fs::rename(source, target, ec);
    if (ec)
        return failure(kRenameFailedMessage);
    return success();
}

} // namespace

Status convertTxtToQzf(const std::string& path)
{
    return renameExtension(path, "txt", "qzf", kSelectTxtMessage, kQzfExistsMessage);
}

Status revertQzfToTxt(const std::string& path)
{
    return renameExtension(path, "qzf", "txt", kSelectQzfMessage, kTxtExistsMessage);
}

} // namespace quizfile

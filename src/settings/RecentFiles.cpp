#include "settings/RecentFiles.h"

#include "settings/SettingsStore.h"

PreviousFileList withFileAdded(const PreviousFileList& list, const std::string& path)
{
    // Every place is written, so an old gap in the list cannot leave a
    // stale duplicate behind.
    PreviousFileList out{path, {}, {}, {}};
    std::size_t k = 1;
    for (const auto& e : list) {
        if (!e.empty() && e != path && k < out.size())
            out[k++] = e;
    }
    return out;
}

PreviousFileList withFileRemoved(const PreviousFileList& list, const std::string& path)
{
    PreviousFileList out{};
    std::size_t k = 0;
    for (const auto& e : list) {
        if (e != path)
            out[k++] = e;
    }
    return out;
}

std::string previousFileCaption(const PreviousFileList& list, int n)
{
    const auto& e = list[static_cast<std::size_t>(n)];
    return e.empty() ? std::string() : "&" + std::to_string(n + 1) + " - " + e;
}

PreviousFileList readPreviousFiles(const SettingsStore& store, std::string_view section)
{
    PreviousFileList list;
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i] = store.getPath(section, std::to_string(i + 1));
    return list;
}

void writePreviousFiles(SettingsStore& store, std::string_view section, const PreviousFileList& list)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        store.savePath(section, std::to_string(i + 1), list[i]);
}

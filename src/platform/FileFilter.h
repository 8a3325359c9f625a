#pragma once

#include <QStringList>

#include <string>

// Translates a file-type filter of the form
//   "ORBA Files (*.qzf;*.qzp)|*.qzf;*.qzp|All Files|*.*"
// (Windows-1252; description and pattern list alternate, patterns separated
// by ";") into Qt name filters: {"ORBA Files (*.qzf *.qzp)", "All Files (*)"}.
// A pattern list at the end of a description is replaced by the real one, so
// the user still reads which files are offered; "*.*" means every file.
QStringList qtNameFilters(const std::string& filter);

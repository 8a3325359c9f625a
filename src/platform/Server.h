#pragma once

// The address of the maker's web server: the environment variable
// ORBA_SERVER, else the setting "Settings"/"Server", else the built-in one.

#include <string>

class SettingsStore;

std::string serverAddress(const SettingsStore& settings);
// "orba.example.org" for "https://orba.example.org/": what menus show.
std::string serverSiteName(const std::string& address);

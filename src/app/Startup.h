#pragma once
#include <QString>

class TConfiger;

namespace ZoStartup {
// Fixes the process-wide formats; call once before anything is shown or parsed.
void InitProcess();
// When the settings name the default database file and it does not exist yet,
// creates it from the shipped schema and seed. Throws EZoError on failure.
void EnsureDefaultDatabase(const TConfiger &configer);
// The twelve custom-field labels, then the company row.
void LoadStartupSettings();
} // namespace ZoStartup

#pragma once
#include <QString>

namespace ZoPaths {
// $ZOKAMO_HOME, else $XDG_DATA_HOME/zokamo, else ~/.local/share/zokamo; created (0700) when missing.
QString DataHome();
// $ZOKAMO_RESOURCES, else ../share/zokamo beside the executable, else the source tree's resources/.
QString ResourcesDir();
QString Resource(const QString &relativePath);
QString ConfigFile();      // cfg.ini in the data home
QString DefaultDatabase(); // zokamo.db in the data home
} // namespace ZoPaths

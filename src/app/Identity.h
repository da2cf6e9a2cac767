#pragma once
#include <QString>

// The program's names as shown in the caption, the about box and error reports.
namespace ZoIdentity {
inline QString AppTitle() { return QStringLiteral("Zo固定资产管理系统"); }
inline QString AppEdition() { return QStringLiteral("单机版 2.1.121121"); }
inline QString AppProductCode() { return QStringLiteral("ZOKAMO210"); }
inline QString AppBuild() { return QStringLiteral("Build121121"); }
} // namespace ZoIdentity

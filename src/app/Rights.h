#pragma once
#include <QString>
#include <functional>

// The rights test every command makes. The operator store installs the
// real test at login; until then every right is granted.
namespace Rights {
using Checker = std::function<bool(int code)>;
void SetChecker(Checker checker);
// Tests without a message.
bool Has(int code);
// Tests; on refusal shows "对不起,您没有该功能的操作权限,请与管理员联系(%d)." and, when
// `abort` is set, abandons the command silently (EAbort). Returns whether the right is held.
bool Require(int code, bool abort = true);
// The refusal step of Require() for a test already made.
bool Enforce(bool held, int code, bool abort);
} // namespace Rights

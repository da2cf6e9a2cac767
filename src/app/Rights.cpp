#include "app/Rights.h"
#include "app/Prompter.h"
#include "data/Exceptions.h"

namespace Rights {

static Checker &checker()
{
    static Checker c;
    return c;
}

void SetChecker(Checker c) { checker() = std::move(c); }

bool Has(int code)
{
    return !checker() || checker()(code);
}

bool Require(int code, bool abort)
{
    return Enforce(Has(code), code, abort);
}

bool Enforce(bool held, int code, bool abort)
{
    if (held)
        return true;
    ShowInfo(QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(code));
    if (abort)
        throw EAbort();
    return false;
}

} // namespace Rights

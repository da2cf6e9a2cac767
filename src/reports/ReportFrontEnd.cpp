#include "reports/ReportFrontEnd.h"

namespace {
std::unique_ptr<TReportFrontEnd> &slot()
{
    static std::unique_ptr<TReportFrontEnd> frontEnd;
    return frontEnd;
}
} // namespace

std::unique_ptr<TReportFrontEnd> SetReportFrontEnd(std::unique_ptr<TReportFrontEnd> frontEnd)
{
    std::swap(slot(), frontEnd);
    return frontEnd;
}

TReportFrontEnd *ReportFrontEnd() { return slot().get(); }

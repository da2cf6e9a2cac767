#pragma once
#include <memory>

class TRep;
class TPrintMenu;
struct TRptDocument;

// The windows that show reports. The user interface installs one at start-up;
// without one (command line, tests) nothing is shown.
class TReportFrontEnd {
public:
    virtual ~TReportFrontEnd() = default;
    // The prepared pages of `rep`, with printing and exports; modal.
    virtual void Preview(TRep &rep, const TRptDocument &document) = 0;
    // The designer on `rep`'s loaded template; modal. Saving goes through rep's designer commands.
    virtual void Design(TRep &rep) = 0;
    // The print menu of a report group; modal.
    virtual void ShowPrintMenu(TPrintMenu &menu) = 0;
};

// Installs `frontEnd` (owned from then on) and returns the previous one.
std::unique_ptr<TReportFrontEnd> SetReportFrontEnd(std::unique_ptr<TReportFrontEnd> frontEnd);
TReportFrontEnd *ReportFrontEnd();

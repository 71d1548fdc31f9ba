#pragma once
// The spreadsheet host as the report sees it. Its members come with the
// spreadsheet engine; until then it is only the type the seam hands out.

namespace jubilo {

class SpreadsheetHost {
public:
    virtual ~SpreadsheetHost() = default;
};

}  // namespace jubilo

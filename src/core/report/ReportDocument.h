#pragma once

#include "design/CalcLog.h"
#include "model/Records.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace orvex {

// The numbers are part of the interface: callers and saved documents refer to styles by number.
enum class TextStyle : std::uint8_t {
    NormalText = 0,   // Courier New 10, black, Arabic character set
    MainHeading = 1,  // Arial 18 bold, blue
    MajorHeading = 2, // Arial 12 bold, green
    Error = 3,        // Arial 12 bold, red
    Heading3 = 4,     // Courier New 10 bold, olive
    Error2 = 5,       // Courier New 10, red
};

enum class ParaStyle : std::uint8_t {
    Left = 0,
    Centered = 1,
};

struct ReportLine {
    std::string Text; // UTF-8
    TextStyle Style = TextStyle::NormalText;
    ParaStyle Para = ParaStyle::Left;
};

struct ReportRule {};

// A picture at its own size. Width and Height come from the BMP headers; both are 0 when the
// picture is missing or damaged, and such a picture takes no room.
struct ReportPicture {
    TPicture Bitmap;
    int Width = 0;
    int Height = 0;
    ParaStyle Para = ParaStyle::Left;
};

ReportPicture MakeReportPicture(const TPicture& bitmap, ParaStyle para);

using ReportCellItem = std::variant<ReportLine, ReportPicture>;

struct ReportCell {
    std::vector<ReportCellItem> Items;
};

struct ReportTable {
    int Rows = 0;
    int Columns = 0;
    int BorderWidth = 1;           // outer border, pixels
    int CellBorderWidth = 1;       // pixels
    std::vector<ReportCell> Cells; // Rows × Columns, row by row

    ReportTable(int rows, int columns);
    ReportCell& Cell(int row, int column);
    const ReportCell& Cell(int row, int column) const;
};

using ReportItem = std::variant<ReportLine, ReportRule, ReportTable, ReportPicture>;

// The calculation report: an ordered list of items, each starting a new paragraph.
class ReportDocument {
  public:
    void ClearDocument() { items_.clear(); }
    void AddLine(std::string text, TextStyle style, ParaStyle para);
    void AddRule();
    void AddPicture(const TPicture& bitmap, ParaStyle para);
    void AddTable(ReportTable table);

    // The 1 × 3 table of a section: its name (and, with `withLength`, its length in mm) over its
    // picture, its dimensions, its properties; with `withMaterial`, the material lines after it.
    // Raises ArithmeticError when a value to print is not finite.
    void AddSectionHeader(const TElement& section, bool withLength, bool withMaterial);

    // The title between two rules, then the log lines: a "-" line as a heading, a "*" line as a
    // failed check without its "*", any other line as plain text.
    void AddLogBlock(const CalcLog& log, const std::string& title);

    const std::vector<ReportItem>& Items() const { return items_; }

  private:
    std::vector<ReportItem> items_;
};

// The general-format text of a value that is printed without display units (lengths in mm or cm
// whatever the units in use). Raises ArithmeticError when the value is not finite.
std::string GeneralNumber(Extended value);

} // namespace orvex

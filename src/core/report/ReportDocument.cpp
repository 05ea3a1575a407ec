#include "report/ReportDocument.h"

#include "model/Errors.h"
#include "model/Units.h"
#include "report/Bitmap.h"

#include <cmath>

namespace orvex {

namespace {

struct LabelledField {
    const char* Label;
    Extended TElement::*Field;
    TQuantityKind Kind;
};

const LabelledField kDimensions[] = {
    {"d = ", &TElement::d, qkLength},  {"bf= ", &TElement::bf, qkLength}, {"tw= ", &TElement::tw, qkLength},
    {"tf= ", &TElement::tf, qkLength}, {"r = ", &TElement::r, qkLength},  {"b = ", &TElement::b, qkLength},
    {"h = ", &TElement::h, qkLength},
};

const LabelledField kProperties[] = {
    {"A = ", &TElement::A, qkArea},    {"Ix= ", &TElement::Ix, qkInertia}, {"Sx= ", &TElement::Sx, qkModulus},
    {"rx= ", &TElement::rx, qkLength}, {"Iy= ", &TElement::Iy, qkInertia}, {"Sy= ", &TElement::Sy, qkModulus},
    {"ry= ", &TElement::ry, qkLength},
};

const char* const kMaterialName = "جنس مقطع = ";
const char* const kYieldStress = "تنش جاري شدن    Fy = ";
const char* const kUltimateStress = "تنش تسليم       Fu = ";
const char* const kElasticModulus = "مادول الاستيسيته E  = ";

void AddFields(ReportCell& cell, const TElement& section, const LabelledField (&fields)[7]) {
    for (const LabelledField& f : fields)
        cell.Items.emplace_back(ReportLine{f.Label + FormatQuantity(f.Kind, section.*(f.Field)),
                                           TextStyle::NormalText, ParaStyle::Left});
}

} // namespace

std::string GeneralNumber(Extended value) {
    const double v = static_cast<double>(value);
    if (!std::isfinite(v))
        throw ArithmeticError("a computed value is not a finite number and cannot be printed");
    return FormatGeneral(v);
}

ReportPicture MakeReportPicture(const TPicture& bitmap, ParaStyle para) {
    ReportPicture picture;
    picture.Bitmap = bitmap;
    picture.Para = para;
    if (bitmap) {
        if (const auto size = ReadBitmapSize(*bitmap)) {
            picture.Width = size->Width;
            picture.Height = size->Height;
        }
    }
    return picture;
}

ReportTable::ReportTable(int rows, int columns)
    : Rows(rows), Columns(columns),
      Cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns)) {}

ReportCell& ReportTable::Cell(int row, int column) {
    return Cells.at(static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns) +
                    static_cast<std::size_t>(column));
}

const ReportCell& ReportTable::Cell(int row, int column) const {
    return Cells.at(static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns) +
                    static_cast<std::size_t>(column));
}

void ReportDocument::AddLine(std::string text, TextStyle style, ParaStyle para) {
    items_.emplace_back(ReportLine{std::move(text), style, para});
}

void ReportDocument::AddRule() {
    items_.emplace_back(ReportRule{});
}

void ReportDocument::AddPicture(const TPicture& bitmap, ParaStyle para) {
    items_.emplace_back(MakeReportPicture(bitmap, para));
}

void ReportDocument::AddTable(ReportTable table) {
    items_.emplace_back(std::move(table));
}

void ReportDocument::AddSectionHeader(const TElement& section, bool withLength, bool withMaterial) {
    ReportTable table(1, 3);

    std::string name = section.SectionName;
    if (withLength)
        name += " , L = " + GeneralNumber(section.L * 10) + " mm";
    ReportCell& title = table.Cell(0, 0);
    title.Items.emplace_back(ReportLine{name, TextStyle::MajorHeading, ParaStyle::Centered});
    title.Items.emplace_back(MakeReportPicture(section.Picture, ParaStyle::Centered));

    AddFields(table.Cell(0, 1), section, kDimensions);
    AddFields(table.Cell(0, 2), section, kProperties);

    // Every number is formatted before anything is appended, so a value that cannot be printed
    // leaves the document as it was.
    std::vector<std::string> materialLines;
    if (withMaterial) {
        const TMaterial& m = section.Material;
        materialLines = {kMaterialName + m.Name, kYieldStress + FormatQuantity(qkStress, m.Fy),
                         kUltimateStress + FormatQuantity(qkStress, m.Fu),
                         kElasticModulus + FormatQuantity(qkStress, m.E), ""};
    }
    AddTable(std::move(table));
    for (std::string& line : materialLines)
        AddLine(std::move(line), TextStyle::NormalText, ParaStyle::Left);
}

void ReportDocument::AddLogBlock(const CalcLog& log, const std::string& title) {
    AddRule();
    AddLine(title, TextStyle::MajorHeading, ParaStyle::Centered);
    AddRule();
    for (const std::string& line : log.Lines()) {
        if (!line.empty() && line[0] == '-')
            AddLine(line, TextStyle::Heading3, ParaStyle::Left);
        else if (!line.empty() && line[0] == '*')
            AddLine(line.substr(1), TextStyle::Error2, ParaStyle::Left);
        else
            AddLine(line, TextStyle::NormalText, ParaStyle::Left);
    }
}

} // namespace orvex

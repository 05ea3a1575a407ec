#include "workflows/SectionChoice.h"

#include "model/CheckedMath.h"
#include "model/Cp1256.h"
#include "model/Errors.h"
#include "model/Units.h"

namespace orvex {

namespace {

const char* TabName(SectionTab tab) {
    switch (tab) {
    case SectionTab::Rolled:
        return "rolled";
    case SectionTab::Composite:
        return "composite";
    case SectionTab::Plate:
        return "plate";
    }
    return "";
}

std::size_t ChooseTable(const TProfileLib& lib, const SectionChoice& choice) {
    const std::vector<std::size_t> tables = TablesOfTab(lib, choice.Tab);
    if (tables.empty())
        throw Error(std::string("the section library has no ") + TabName(choice.Tab) + " table");
    if (choice.Table.empty())
        return tables.front();
    for (const std::size_t t : tables)
        if (lib.Tables[t].TableName == choice.Table)
            return t;
    throw Error(std::string("the section library has no ") + TabName(choice.Tab) + " table named \"" +
                choice.Table + "\"");
}

std::size_t ChooseRow(const TSectionTable& table, const std::string& section, std::size_t row) {
    if (table.RowCount == 0)
        throw Error("the table \"" + table.TableName + "\" has no sections");
    if (section.empty()) {
        if (row >= table.RowCount)
            throw Error("the table \"" + table.TableName + "\" has no row " + std::to_string(row + 1));
        return row;
    }
    for (std::size_t r = 0; r < table.RowCount && r < kMaxRows; ++r)
        if (SameNameIgnoringCase(table.RowNames[r], section))
            return r;
    throw Error("the table \"" + table.TableName + "\" has no section named \"" + section + "\"");
}

} // namespace

std::vector<std::size_t> TablesOfTab(const TProfileLib& lib, SectionTab tab) {
    std::vector<std::size_t> tables;
    if (tab == SectionTab::Plate)
        return tables;
    for (std::size_t t = 0; t < lib.TableCount && t < kMaxTables; ++t) {
        const bool composite = lib.Tables[t].Kind == pk2I;
        if (composite == (tab == SectionTab::Composite))
            tables.push_back(t);
    }
    return tables;
}

void FillPlateSection(TElement& element, Extended d, Extended tw, Extended bf, Extended tf) {
    const auto require = [](Extended value, const char* name) {
        if (!(value > 0))
            throw ArithmeticError(std::string("the plate size ") + name + " must be greater than 0");
    };
    require(d, "d");
    require(tw, "tw");
    require(bf, "bf");
    require(tf, "tf");
    const Extended h = d - 2 * tf;
    if (!(h > 0))
        throw ArithmeticError("the plate sizes leave no web: h = d - 2tf must be greater than 0");
    element.d = d;
    element.tw = tw;
    element.bf = bf;
    element.tf = tf;
    element.r = 0;
    element.h = h;
    element.b = bf / 2 - tw / 2;
    element.A = 2 * bf * tf + h * tw;
    // The flange term uses the distance h/2 to the inner face of each flange.
    element.Ix = tw * h * h * h / 12 + 2 * (bf * tf * tf * tf / 12 + bf * tf * h * h / 4);
    element.Iy = 2 * tf * bf * bf * bf / 12 + h * tw * tw * tw / 12;
    element.Sx = Divide(2 * element.Ix, d, "Sx = 2Ix/d");
    element.Sy = Divide(2 * element.Iy, bf, "Sy = 2Iy/bf");
    element.rx = SquareRoot(Divide(element.Ix, element.A, "rx = Sqrt(Ix/A)"), "rx = Sqrt(Ix/A)");
    element.ry = SquareRoot(Divide(element.Iy, element.A, "ry = Sqrt(Iy/A)"), "ry = Sqrt(Iy/A)");
    element.SectionName = "PL" + FormatFixed(h * 10, 0) + "x" + FormatFixed(tw * 10, 0) + "+2PL" +
                          FormatFixed(bf * 10, 0) + "x" + FormatFixed(tf * 10, 0);
}

void BuildElement(const SectionChoice& choice, const TMaterial& material, TRunMode mode, TProfileLib& lib,
                  TElement& element) {
    element.Material = material;
    const bool continuity = choice.ContinuityOption ? choice.FlangeWebContinuous : true;
    if (choice.Tab == SectionTab::Plate) {
        if (mode == rmDesign)
            throw Error(
                "a section built from plates can only be analysed; a design searches a library table");
        const Extended d = ParseQuantity(choice.Plates.d, qkLength);
        const Extended tw = ParseQuantity(choice.Plates.tw, qkLength);
        const Extended bf = ParseQuantity(choice.Plates.bf, qkLength);
        const Extended tf = ParseQuantity(choice.Plates.tf, qkLength);
        element.Source = esPlate;
        element.ProfileName = "CUSTOM I";
        element.Kind = pkI;
        element.IsRolled = false;
        element.FlangeWebContinuous = continuity;
        FillPlateSection(element, d, tw, bf, tf);
        element.Picture = nullptr; // the front end supplies the plate picture
        return;
    }
    const std::size_t t = ChooseTable(lib, choice);
    const TSectionTable& table = lib.Tables[t];
    element.ProfileName = FirstCharacters(table.TableName, kTableNameCapacity);
    if (choice.Tab == SectionTab::Rolled) {
        element.Source = esRolled;
        element.IsRolled = true;
        element.FlangeWebContinuous = true;
    } else {
        element.Source = esComposite;
        element.IsRolled = false;
        element.FlangeWebContinuous = continuity;
    }
    if (mode != rmAnalysis)
        return;
    const std::size_t row = ChooseRow(table, choice.Section, choice.Row);
    lib.CurrentTable = static_cast<std::uint8_t>(t);
    lib.Tables[t].CurrentRow = static_cast<std::uint8_t>(row);
    ProfileToElement(lib, element);
}

Extended ParseLength(const std::string& text, const char* name) {
    const Extended length = ParseQuantity(text, qkLength);
    if (length < 0)
        throw Error(std::string("the length ") + name + " must not be negative");
    return length;
}

std::string DescribeSection(const TElement& element) {
    std::string text =
        "section " + (element.SectionName.empty() ? std::string("(none)") : element.SectionName);
    if (!element.ProfileName.empty() && element.Source != esPlate)
        text += " of table " + element.ProfileName;
    return text;
}

std::string WithSection(const TElement& element, const std::string& message) {
    if (!element.SectionName.empty() && message.find(element.SectionName) != std::string::npos)
        return message;
    return DescribeSection(element) + ": " + message;
}

} // namespace orvex

#pragma once

#include "library/ProfileLib.h"
#include "model/Records.h"
#include "workflows/RunTypes.h"

#include <string>
#include <vector>

namespace orvex {

enum class SectionTab {
    Rolled = 0,    // the library's tables of every kind but pk2I
    Composite = 1, // the library's pk2I tables
    Plate = 2,     // an I section welded from three plates
};

// The four plate sizes as typed, in the display length unit.
struct PlateSizes {
    std::string d = "30";
    std::string tw = "1.5";
    std::string bf = "14";
    std::string tf = "2";
};

// What the section selection panel holds: the tab, the table and section chosen on it, the plate
// sizes and the flange-web continuity box.
struct SectionChoice {
    SectionTab Tab = SectionTab::Rolled;
    std::string Table;   // empty: the first table of the tab
    std::string Section; // analysis only; empty: the row at index `Row`
    std::size_t Row = 0;
    PlateSizes Plates;
    bool FlangeWebContinuous = true;
    bool ContinuityOption = true; // whether the continuity box is offered at all
};

// Indices of the library's tables listed on a tab, in library order.
std::vector<std::size_t> TablesOfTab(const TProfileLib& lib, SectionTab tab);

// Writes the material and the section choice into `element` as the selection panel does: the
// table name, source and flags always; in analysis also the section itself (from the library, or
// computed from the plates). Raises Error for a table or section that does not exist, and for a
// plate-built section in design mode; ConversionError for a plate size that is not a number;
// ArithmeticError for plate sizes that give no section.
void BuildElement(const SectionChoice& choice, const TMaterial& material, TRunMode mode, TProfileLib& lib,
                  TElement& element);

// The properties of an I section welded from a web plate and two flange plates (cm).
void FillPlateSection(TElement& element, Extended d, Extended tw, Extended bf, Extended tf);

// A length box read like ParseQuantity; a negative length is refused with an Error naming `name`.
Extended ParseLength(const std::string& text, const char* name);

// Names the section an error happened on, for the messages of a run.
std::string DescribeSection(const TElement& element);
// `message` prefixed with the section it happened on, unless it already names that section.
std::string WithSection(const TElement& element, const std::string& message);

} // namespace orvex

// Reads arbitrary text as a typed number and prints numbers of arbitrary bits, under units chosen
// by the first byte. Whatever comes in, a number either is refused with the units layer's own
// errors or prints as plain decimal text.

#include "model/Errors.h"
#include "model/Units.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void RequirePrintable(const std::string& text) {
    bool ok = !text.empty();
    for (const char c : text)
        ok = ok && ((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'E');
    if (ok)
        return;
    std::fprintf(stderr, "units_fuzz: printed \"%s\"\n", text.c_str());
    std::abort();
}

void PrintAllKinds(orvex::Extended value) {
    using namespace orvex;
    for (const TQuantityKind kind : {qkLength, qkArea, qkModulus, qkInertia, qkForce, qkForcePerLength, qkStress,
                                     qkMoment, qkRatio}) {
        try {
            RequirePrintable(FormatQuantity(kind, value));
        } catch (const ArithmeticError&) {
            // a value that cannot be shown is refused, never printed
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvex;
    if (size == 0)
        return 0;
    static const char* const lengths[] = {"m", "cm", "mm"};
    static const char* const forces[] = {"Ton", "Kg", "N"};
    const std::uint8_t setting = data[0];
    CurrentUnits.LengthUnit = lengths[setting % 3];
    CurrentUnits.ForceUnit = forces[(setting / 3) % 3];
    CurrentUnits.Decimals = static_cast<std::uint8_t>((setting / 9) % 6);
    CurrentUnits.ShowZero = (setting & 0x80) != 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        PrintAllKinds(ParseQuantity(text, qkMoment));
    } catch (const ConversionError&) {
    }
    if (size >= 9) {
        double bits = 0;
        std::memcpy(&bits, data + 1, sizeof bits);
        PrintAllKinds(bits);
        try {
            RequirePrintable(FormatGeneral(bits));
        } catch (const ArithmeticError&) {
        }
    }
    return 0;
}

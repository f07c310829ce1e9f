#pragma once

#include "profile/ProfileSections.h"
#include "profile/SectionRules.h"

#include <optional>
#include <string>
#include <vector>

namespace regforge::profile {

// The package a profile's part comes in, from its [PACKAGE] section: the package's name
// ("LQFP64", "TFBGA208") on the first line, then one "number=name" line per package pin, the
// number as the data sheet prints it ("17", or a ball such as "A1"), the name a port pin's
// tree name ("P0.21") or the data sheet's name of any other pin ("VSS", "RESET").
// A package whose list names only some of its pins (the port pins of an LQFP208 whose supply
// pins no list at hand names) states its pin count on the second line, "pins=208"; its pins are
// then numbered 1 to that count, and the numbers the list leaves out are pins not listed.
struct PackagePins {
    static constexpr const char* kSection = "[PACKAGE]";

    struct Pin {
        std::string number;
        std::string name;
    };
    enum class Outline { Quad, Grid };

    std::string package;
    std::vector<Pin> pins;
    // The stated pin count, 0 when the list names every pin.
    int count = 0;

    // Ball grids number their balls by row letter and column; every other package has four
    // sides numbered round from pin 1.
    Outline outline() const;
};

// The stated count of a "pins=N" line (1 to 999), or nullopt for any other line.
std::optional<int> packagePinCount(const std::string& line);
// Whether `number` is a pin number from 1 to `count` ("07" is not).
bool numberedWithin(const std::string& number, int count);

// The profile's package, or nullopt when it names none. Lines the section's rule refuses are
// skipped, and so are pins numbered past a stated count.
std::optional<PackagePins> readPackagePins(const Lines& lines);
// The section's rule (the pin loader's description and so check-profile use it).
SectionRule packagePinsRule();

} // namespace regforge::profile

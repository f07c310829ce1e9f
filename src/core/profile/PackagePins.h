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
struct PackagePins {
    static constexpr const char* kSection = "[PACKAGE]";

    struct Pin {
        std::string number;
        std::string name;
    };
    enum class Outline { Quad, Grid };

    std::string package;
    std::vector<Pin> pins;

    // Ball grids number their balls by row letter and column; every other package has four
    // sides numbered round from pin 1.
    Outline outline() const;
};

// The profile's package, or nullopt when it names none. Lines the section's rule refuses are
// skipped.
std::optional<PackagePins> readPackagePins(const Lines& lines);
// The section's rule (the pin loader's description and so check-profile use it).
SectionRule packagePinsRule();

} // namespace regforge::profile

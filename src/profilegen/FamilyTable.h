#pragma once

#include "profilegen/Condition.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace regforge::profilegen {

// A mistake in a family table, with the file and line it was found on.
class FamilyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Part {
    std::string name;
    Tags tags;
    int line = 0;
};

struct PinFunction {
    std::string name; // "Reserved" for "-"
    Condition condition;
};

// One pin of the family: its tree name, register spec, functions in function-number order
// and the per-pin facts the pin sections list.
struct PinRow {
    int line = 0;
    std::string name;
    int port = 0;
    int bit = 0;
    std::string select;
    std::vector<PinFunction> functions;
    int resetFunction = 0;
    std::string direction; // "", "I", "O", "I/O", or a whole spec holding a comma
    bool noPullMode = false;
    bool noOpenDrain = false;
    std::string iocon; // option tokens, "@NAME" or "-"; empty when not given
    Condition only;
};

// A package's pins as the data sheet's pin description numbers them: port pins by their tree
// name, every other pin by the data sheet's name.
struct PackagePin {
    int line = 0;
    std::string number;
    std::string name;
};
struct Package {
    int line = 0;
    std::string name; // a part tag ("LQFP64"): the parts carrying it come in this package
    Condition only;   // when given, only those of them for which it holds take this pin list
    int count = 0;    // the stated pin count when the list names only some pins, else 0
    std::vector<PackagePin> pins;
};

struct TemplateLine {
    int line = 0;
    std::string text;
};

struct FamilyTable {
    std::string fileName;
    int functionCount = 4;
    std::string directionPattern;
    std::map<std::string, std::string> ioconLists;
    std::vector<Part> parts;
    std::vector<PinRow> pins;
    std::vector<Package> packages;
    std::vector<TemplateLine> profile;
};

// Reads a family table; throws FamilyError naming the line of the first mistake.
FamilyTable readFamilyTable(const std::string& text, const std::string& fileName);

} // namespace regforge::profilegen

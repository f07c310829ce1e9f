#pragma once

#include "periph/uart/BaudSolver.h"

#include <string>

namespace regforge::periph::uart {

// Texts of the rates that the page and the generator share; "." as the decimal point always.

// A rate with one decimal: "115384.6".
std::string rateText(double rate);
// An error with its sign and two decimals: "+0.16", "-1.73"; "+0.00" for what rounds to zero.
std::string errorText(double percent);
// "DLM:DLL 6, DIVADDVAL 5, MULVAL 14: 115131.6 baud, error -0.06 %" (without the fractional
// divider when it is off).
std::string solutionText(const BaudSolution& solution);

} // namespace regforge::periph::uart

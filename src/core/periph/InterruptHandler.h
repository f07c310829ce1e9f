#pragma once

#include <string>
#include <vector>

namespace regforge::periph {

// One interrupt service function of the result, in parts: the pasted text and the generated
// files frame the same parts, each in its own syntax.
struct InterruptHandler {
    enum class Kind {
        Fast,     // the ARM7 fast interrupt, FIQ_Handler
        Vectored, // an ARM7 interrupt a VIC slot enters
        Plain,    // a Cortex-M3 handler: an ordinary function the vector table names
        Default,  // the VIC's handler for sources no slot holds; its body is empty
    };

    Kind kind = Kind::Vectored;
    std::string function;           // FIQ_Handler, TIMER0_IRQHandler, DefISR
    std::string hook;               // what the user's part is named after (TIMER0); none for Default
    std::vector<std::string> title; // the comment above the function
    std::vector<std::string>
        acknowledge;                // what follows the user's part: the profile's code, the VIC acknowledge
    std::vector<std::string> notes; // what the pasted text adds after the function
};

// The line that opens the function as Keil's compilers write it: `__irq` on ARM7.
std::string keilSignature(const InterruptHandler& handler);

// The handler as the pasted text writes it: Keil's `__irq` on ARM7, an editable
// "write code here" body, then the acknowledge lines.
std::vector<std::string> pastedLines(const InterruptHandler& handler);

} // namespace regforge::periph

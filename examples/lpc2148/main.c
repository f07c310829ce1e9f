/* The LPC2148 example: regforge_setup() sets the part up as the configuration says; TIMER0's
   interrupt handler in regforge_setup.c calls the hook below before it acknowledges the VIC. */
#include "regforge_setup.h"

static volatile unsigned long ticks;

void regforge_on_TIMER0(void) {
    T0IR = 0xFF; /* clear the timer's interrupt flags */
    ++ticks;
}

int main(void) {
    regforge_setup();
    for (;;) {
    }
}

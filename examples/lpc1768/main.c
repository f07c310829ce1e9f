/* The LPC1768 example: regforge_setup() sets the part up as the configuration says; TIMER0's
   interrupt handler in regforge_setup.c calls the hook below. */
#include "regforge_setup.h"

static volatile unsigned long ticks;

void regforge_on_TIMER0(void) {
    LPC_TIM0->IR = 0x3F; /* clear the timer's interrupt flags */
    ++ticks;
}

int main(void) {
    regforge_setup();
    for (;;) {
    }
}

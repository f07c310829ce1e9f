/* Start-up code of the LPC1768 example: the vector table, then the initialised data copied from
   flash, the zeroed data and main. Every handler the table names is weak: regforge_setup.c
   defines the ones the configuration uses, the rest stop in Default_Handler.

   The boot loader starts the program only when the first eight vector words sum to zero: the
   reserved word 7 is left 0 here for the flash programming tool to fill in. */

extern unsigned long _data_load, _data_start, _data_end, _bss_start, _bss_end;
extern void _stack_top(void);
int main(void);

void Reset_Handler(void) {
    const unsigned long* from = &_data_load;
    for (unsigned long* to = &_data_start; to < &_data_end;)
        *to++ = *from++;
    for (unsigned long* to = &_bss_start; to < &_bss_end;)
        *to++ = 0;
    main();
    for (;;) {
    }
}

void Default_Handler(void) {
    for (;;) {
    }
}

#define HANDLER(name) void name(void) __attribute__((weak, alias("Default_Handler")))
HANDLER(NMI_Handler);
HANDLER(HardFault_Handler);
HANDLER(MemManage_Handler);
HANDLER(BusFault_Handler);
HANDLER(UsageFault_Handler);
HANDLER(SVC_Handler);
HANDLER(DebugMon_Handler);
HANDLER(PendSV_Handler);
HANDLER(SysTick_Handler);
HANDLER(WDT_IRQHandler);
HANDLER(TIMER0_IRQHandler);
HANDLER(TIMER1_IRQHandler);
HANDLER(TIMER2_IRQHandler);
HANDLER(TIMER3_IRQHandler);
HANDLER(UART0_IRQHandler);
HANDLER(UART1_IRQHandler);
HANDLER(UART2_IRQHandler);
HANDLER(UART3_IRQHandler);
HANDLER(PWM1_IRQHandler);
HANDLER(I2C0_IRQHandler);
HANDLER(I2C1_IRQHandler);
HANDLER(I2C2_IRQHandler);
HANDLER(SPI_IRQHandler);
HANDLER(SSP0_IRQHandler);
HANDLER(SSP1_IRQHandler);
HANDLER(PLL0_IRQHandler);
HANDLER(RTC_IRQHandler);
HANDLER(EINT0_IRQHandler);
HANDLER(EINT1_IRQHandler);
HANDLER(EINT2_IRQHandler);
HANDLER(EINT3_IRQHandler);
HANDLER(ADC_IRQHandler);
HANDLER(BOD_IRQHandler);
HANDLER(USB_IRQHandler);
HANDLER(CAN_IRQHandler);
HANDLER(DMA_IRQHandler);
HANDLER(I2S_IRQHandler);
HANDLER(ENET_IRQHandler);
HANDLER(RIT_IRQHandler);
HANDLER(MCPWM_IRQHandler);
HANDLER(QEI_IRQHandler);
HANDLER(PLL1_IRQHandler);
HANDLER(USBActivity_IRQHandler);
HANDLER(CANActivity_IRQHandler);

/* The system exceptions, then the 35 peripheral interrupts in the order of the LPC176x
   interrupt table. */
__attribute__((section(".vectors"), used)) void (*const vectors[])(void) = {
    _stack_top,        Reset_Handler,     NMI_Handler,       HardFault_Handler,
    MemManage_Handler, BusFault_Handler,  UsageFault_Handler, 0,
    0,                 0,                 0,                 SVC_Handler,
    DebugMon_Handler,  0,                 PendSV_Handler,    SysTick_Handler,
    WDT_IRQHandler,    TIMER0_IRQHandler, TIMER1_IRQHandler, TIMER2_IRQHandler,
    TIMER3_IRQHandler, UART0_IRQHandler,  UART1_IRQHandler,  UART2_IRQHandler,
    UART3_IRQHandler,  PWM1_IRQHandler,   I2C0_IRQHandler,   I2C1_IRQHandler,
    I2C2_IRQHandler,   SPI_IRQHandler,    SSP0_IRQHandler,   SSP1_IRQHandler,
    PLL0_IRQHandler,   RTC_IRQHandler,    EINT0_IRQHandler,  EINT1_IRQHandler,
    EINT2_IRQHandler,  EINT3_IRQHandler,  ADC_IRQHandler,    BOD_IRQHandler,
    USB_IRQHandler,    CAN_IRQHandler,    DMA_IRQHandler,    I2S_IRQHandler,
    ENET_IRQHandler,   RIT_IRQHandler,    MCPWM_IRQHandler,  QEI_IRQHandler,
    PLL1_IRQHandler,   USBActivity_IRQHandler, CANActivity_IRQHandler,
};

/* Code read protection: anything but the protection patterns leaves the part open. */
__attribute__((section(".crp"), used)) const unsigned long code_read_protection = 0xFFFFFFFF;

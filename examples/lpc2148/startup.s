/* Start-up code of the LPC2148 example (GNU assembler, ARM state).
 *
 * The exception vectors, one stack per processor mode, the initialised data copied from flash
 * and the zeroed data, then main in system mode with interrupts enabled. An interrupt request
 * jumps to the address the VIC's VICVectAddr register holds (the handler regforge_setup put in
 * the slot); a fast interrupt enters FIQ_Handler, which regforge_setup.c defines when the
 * configuration uses it.
 *
 * The boot loader starts the program only when the eight vector words sum to zero: the word
 * at 0x14 is left 0 here for the flash programming tool to fill in.
 */

        .equ    MODE_FIQ, 0x11
        .equ    MODE_IRQ, 0x12
        .equ    MODE_SVC, 0x13
        .equ    MODE_ABT, 0x17
        .equ    MODE_UND, 0x1B
        .equ    MODE_SYS, 0x1F
        .equ    NO_IRQ,   0x80
        .equ    NO_FIQ,   0x40

        .equ    FIQ_STACK, 256
        .equ    IRQ_STACK, 512
        .equ    SVC_STACK, 64
        .equ    ABT_STACK, 16
        .equ    UND_STACK, 16

        .section .vectors, "ax"
        .arm
        .global _start
_start:
        ldr     pc, reset_address
        ldr     pc, undefined_address
        ldr     pc, software_address
        ldr     pc, prefetch_address
        ldr     pc, data_address
        .word   0                       /* valid user code checksum */
        ldr     pc, [pc, #-0xFF0]       /* IRQ: the handler VICVectAddr names */
        ldr     pc, fast_address

reset_address:     .word Reset_Handler
undefined_address: .word Hang
software_address:  .word Hang
prefetch_address:  .word Hang
data_address:      .word Hang
fast_address:      .word FIQ_Handler

        /* Without a fast interrupt in the configuration, FIQ_Handler is the endless loop. */
        .weak   FIQ_Handler
        .set    FIQ_Handler, Hang

        .text
        .arm
        .global Reset_Handler
Reset_Handler:
        ldr     r0, =_stack_top
        msr     cpsr_c, #MODE_UND | NO_IRQ | NO_FIQ
        mov     sp, r0
        sub     r0, r0, #UND_STACK
        msr     cpsr_c, #MODE_ABT | NO_IRQ | NO_FIQ
        mov     sp, r0
        sub     r0, r0, #ABT_STACK
        msr     cpsr_c, #MODE_FIQ | NO_IRQ | NO_FIQ
        mov     sp, r0
        sub     r0, r0, #FIQ_STACK
        msr     cpsr_c, #MODE_IRQ | NO_IRQ | NO_FIQ
        mov     sp, r0
        sub     r0, r0, #IRQ_STACK
        msr     cpsr_c, #MODE_SVC | NO_IRQ | NO_FIQ
        mov     sp, r0
        sub     r0, r0, #SVC_STACK
        msr     cpsr_c, #MODE_SYS | NO_IRQ | NO_FIQ
        mov     sp, r0

        /* Initialised data from its place in flash. */
        ldr     r1, =_data_load
        ldr     r2, =_data_start
        ldr     r3, =_data_end
1:      cmp     r2, r3
        ldrlo   r0, [r1], #4
        strlo   r0, [r2], #4
        blo     1b

        /* Zeroed data. */
        mov     r0, #0
        ldr     r1, =_bss_start
        ldr     r2, =_bss_end
2:      cmp     r1, r2
        strlo   r0, [r1], #4
        blo     2b

        /* Interrupts on: nothing is enabled in the VIC before regforge_setup runs. */
        msr     cpsr_c, #MODE_SYS
        bl      main

Hang:   b       Hang

#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"
#include "support/SilentUi.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using SilentUi = regforge::bench::SilentUi;

// The build's copy of the shipped profiles (bin/include).
std::filesystem::path programFolder() {
    return REGFORGE_BENCH_DATA;
}

// Building the main window's store and starting up (device list scan included).
void BM_StartUp(benchmark::State& state) {
    SilentUi ui;
    for (auto _ : state) {
        regforge::app::MainForm form(ui, programFolder());
        form.FormCreate();
        benchmark::DoNotOptimize(form.store().size());
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMicrosecond);

// Typing into the CPU clock edit: every keystroke runs the edit's rules and handlers.
void BM_TypeClock(benchmark::State& state) {
    SilentUi ui;
    regforge::app::MainForm form(ui, programFolder());
    form.FormCreate();
    auto& edit = form.store().get<regforge::model::NumericEdit>("pllclock_edit");
    for (auto _ : state) {
        edit.setText("");
        for (char c : std::string("72.5"))
            edit.keyPress(c, static_cast<int>(edit.shownText().size()), 0);
        edit.pressEnter();
    }
}
BENCHMARK(BM_TypeClock)->Unit(benchmark::kMicrosecond);

// The largest shipped profile: the most pins and IOCON options.
constexpr const char* kLargestProfile = "LPC1788";

void selectDevice(regforge::app::MainForm& form, const std::string& name) {
    auto& devices = form.store().get<regforge::model::ComboBox>("mcu_ComboBox");
    devices.setItemIndex(devices.indexOf(name));
}

// "Load profile" on the largest device: reset, profile read, pin tree, timers, clock refresh.
void BM_LoadLargestProfile(benchmark::State& state) {
    SilentUi ui;
    regforge::app::MainForm form(ui, programFolder());
    form.FormCreate();
    selectDevice(form, kLargestProfile);
    for (auto _ : state)
        benchmark::DoNotOptimize(form.LoadProfileBitBtnClick());
}
BENCHMARK(BM_LoadLargestProfile)->Unit(benchmark::kMicrosecond);

// The result button on the largest device with every timer enabled.
void BM_ResultAllTimers(benchmark::State& state) {
    SilentUi ui;
    regforge::app::MainForm form(ui, programFolder());
    form.FormCreate();
    selectDevice(form, kLargestProfile);
    form.LoadProfileBitBtnClick();
    for (const char* name : {"T0_checkbox", "T1_checkbox", "T2_checkbox", "T3_checkbox"})
        form.store().get<regforge::model::CheckBox>(name).setChecked(true);
    for (auto _ : state) {
        form.Result_btnClick();
        benchmark::DoNotOptimize(form.store().get<regforge::model::Memo>("Memo1").lines().size());
    }
}
BENCHMARK(BM_ResultAllTimers)->Unit(benchmark::kMicrosecond);

// The result button on the largest device with every unit it has switched on: the timers, the
// A/D converters, both PWM units in PWM mode and every serial port with its DMA.
void BM_ResultEveryUnit(benchmark::State& state) {
    SilentUi ui;
    regforge::app::MainForm form(ui, programFolder());
    form.FormCreate();
    selectDevice(form, kLargestProfile);
    form.LoadProfileBitBtnClick();
    for (const char* name :
         {"T0_checkbox", "T1_checkbox", "T2_checkbox", "T3_checkbox", "ad0_checkbox", "ad1_checkbox",
          "ad2_checkbox", "ad3_checkbox", "PWM0_checkbox", "PWM1_checkbox", "PWM0TCR_EnPWM", "PWM1TCR_EnPWM",
          "SPI_CheckBox", "SSP0_checkbox", "SSP1_checkbox", "SSP2_checkbox", "SSP0RXDMAE_CheckBox",
          "SSP1TXDMAE_CheckBox"}) {
        auto& box = form.store().get<regforge::model::CheckBox>(name);
        if (box.visible())
            box.setChecked(true);
    }
    for (auto _ : state) {
        form.Result_btnClick();
        benchmark::DoNotOptimize(form.store().get<regforge::model::Memo>("Memo1").lines().size());
    }
}
BENCHMARK(BM_ResultEveryUnit)->Unit(benchmark::kMicrosecond);

// The problems list as it is collected after every change: the largest device with every unit
// on, so each rule looks at every pin.
void BM_ProblemsEveryUnit(benchmark::State& state) {
    SilentUi ui;
    regforge::app::MainForm form(ui, programFolder());
    form.FormCreate();
    selectDevice(form, kLargestProfile);
    form.LoadProfileBitBtnClick();
    for (const char* name :
         {"T0_checkbox", "T1_checkbox", "T2_checkbox", "T3_checkbox", "ad0_checkbox", "ad1_checkbox",
          "ad2_checkbox", "ad3_checkbox", "PWM0_checkbox", "PWM1_checkbox", "PWM0TCR_EnPWM", "PWM1TCR_EnPWM",
          "SPI_CheckBox", "SSP0_checkbox", "SSP1_checkbox", "SSP2_checkbox"}) {
        auto& box = form.store().get<regforge::model::CheckBox>(name);
        if (box.visible())
            box.setChecked(true);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(form.collectProblems().problems().size());
}
BENCHMARK(BM_ProblemsEveryUnit)->Unit(benchmark::kMicrosecond);

// A change of the CPU clock: every peripheral clock and figure follows.
void BM_CpuClockChange(benchmark::State& state) {
    SilentUi ui;
    regforge::app::MainForm form(ui, programFolder());
    form.FormCreate();
    selectDevice(form, kLargestProfile);
    form.LoadProfileBitBtnClick();
    auto& cpu = form.store().get<regforge::model::NumericEdit>("pllclock_edit");
    bool high = false;
    for (auto _ : state) {
        cpu.setText(high ? "72" : "60");
        high = !high;
    }
}
BENCHMARK(BM_CpuClockChange)->Unit(benchmark::kMicrosecond);

// The title after a change on the largest device: the set-up is compared whole with the one
// loaded (what a save would write), once per user action.
void BM_TitleAfterChange(benchmark::State& state) {
    SilentUi ui;
    regforge::app::MainForm form(ui, programFolder());
    form.FormCreate();
    selectDevice(form, kLargestProfile);
    form.LoadProfileBitBtnClick();
    form.store().get<regforge::model::CheckBox>("T0_checkbox").setChecked(true);
    for (auto _ : state) {
        form.refreshTitle();
        benchmark::DoNotOptimize(form.setupChanged());
    }
}
BENCHMARK(BM_TitleAfterChange)->Unit(benchmark::kMicrosecond);

// A click, then the title, on the largest device: what every user action costs the caption.
void BM_TitleAfterEachClick(benchmark::State& state) {
    SilentUi ui;
    regforge::app::MainForm form(ui, programFolder());
    form.FormCreate();
    selectDevice(form, kLargestProfile);
    form.LoadProfileBitBtnClick();
    auto& box = form.store().get<regforge::model::CheckBox>("T0_checkbox");
    for (auto _ : state) {
        box.setChecked(!box.checked());
        form.refreshTitle();
    }
}
BENCHMARK(BM_TitleAfterEachClick)->Unit(benchmark::kMicrosecond);

// Creating the code on the largest device (the call "Create code", "Save code as..." and the
// command line share).
void BM_CreateCode(benchmark::State& state) {
    SilentUi ui;
    regforge::app::MainForm form(ui, programFolder());
    form.FormCreate();
    selectDevice(form, kLargestProfile);
    form.LoadProfileBitBtnClick();
    for (auto _ : state)
        benchmark::DoNotOptimize(form.createCode().lines.size());
}
BENCHMARK(BM_CreateCode)->Unit(benchmark::kMicrosecond);

} // namespace

#include "app/MainForm.h"
#include "model/NumericEdit.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// A Ui that answers nothing: benchmarks measure the core alone.
class SilentUi : public regforge::app::Ui {
public:
    regforge::app::Answer message(const std::string&, const std::string&, regforge::app::Icon,
                                  regforge::app::Buttons) override {
        return regforge::app::Answer::Ok;
    }
    std::optional<std::filesystem::path> openFile(const regforge::app::FileRequest&) override { return {}; }
    std::optional<std::filesystem::path> saveFile(const regforge::app::FileRequest&) override { return {}; }
    std::optional<std::string> inputQuery(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& d) override { return d; }
    void setClipboard(const std::string&) override {}
    void showPicture(const std::filesystem::path&, const std::string&, bool, bool) override {}
    void terminate() override {}
};

std::filesystem::path programFolder() {
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
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

} // namespace

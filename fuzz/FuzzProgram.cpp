#include "FuzzProgram.h"

#include "FuzzInput.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace regforge::fuzz {

ui::Answer AgreeingUi::message(const std::string&, const std::string&, ui::Icon, ui::Buttons buttons) {
    ++messages;
    switch (buttons) {
    case ui::Buttons::Ok:
    case ui::Buttons::OkCancel:
        return ui::Answer::Ok;
    case ui::Buttons::YesNo:
    case ui::Buttons::YesNoDefaultNo:
        return ui::Answer::Yes;
    case ui::Buttons::SaveDiscardCancel:
        return ui::Answer::Discard;
    }
    return ui::Answer::Ok;
}

FuzzProgram::FuzzProgram() {
    // Each input rewrites a file; in memory that costs no disk write-back.
    std::error_code ec;
    std::filesystem::path base = "/dev/shm";
    if (!std::filesystem::is_directory(base, ec))
        base = std::filesystem::temp_directory_path(ec);
    if (ec)
        base = "/tmp";
    folder_ = base / ("regforge-fuzz-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_, ec);
    const std::filesystem::path data = REGFORGE_FUZZ_DATA;
    std::filesystem::create_directories(folder_);
    std::filesystem::copy(data / "include", folder_ / "include", std::filesystem::copy_options::recursive);
    std::filesystem::copy(data / "replace", folder_ / "replace", std::filesystem::copy_options::recursive);
    form_ = std::make_unique<app::MainForm>(ui, folder_);
    form_->FormCreate();
}

FuzzProgram::~FuzzProgram() {
    form_.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

void FuzzProgram::replaceDevice(const std::uint8_t* data, std::size_t size) {
    form_->device() = profile::DeviceState{};
    form_->device().profileLines = linesOf(data, size);
    form_->device().deviceName = "FUZZ";
}

std::filesystem::path FuzzProgram::write(const std::string& relative, const std::string& bytes) const {
    const auto path = folder_ / relative;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    return path;
}

FuzzProgram& program() {
    static FuzzProgram instance;
    return instance;
}

} // namespace regforge::fuzz

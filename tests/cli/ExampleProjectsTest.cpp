// The example projects build with arm-none-eabi-gcc from their configuration in one `make`,
// against headers that declare only the names the register lists give, and link to an ELF with
// and without the user's hooks. A second `make` after the configuration was touched recompiles
// nothing, since the files' text did not change.
#include "support/HeaderNames.h"
#include "support/TempDir.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace regforge::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kRepository = fs::path(REGFORGE_FIXTURES).parent_path().parent_path();

// Runs a command line; its exit status and what it printed.
std::pair<int, std::string> run(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return {-1, "cannot run " + command};
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    return {pclose(pipe), output};
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct Example {
    const char* project;
    const char* part;
    const char* names;
    const char* header;
    bool cortexM3;
    std::set<std::string> userNames; // what main.c writes beyond the generated code
};

const Example kExamples[] = {{"lpc2148", "LPC2148", "lpc21xx.txt", "LPC214x.h", false, {"T0IR"}},
                             {"lpc1768", "LPC1768", "lpc175x.txt", "LPC17xx.h", true, {}}};

// A copy of an example project and its configuration in a scratch folder, with the names-only
// device header in inc/ and names.c defining what the header declares.
struct Workspace {
    explicit Workspace(const Example& c) : example(&c), config(temp.path() / (std::string(c.part) + ".sav")) {
        fs::copy(kRepository / "examples" / c.project, project, fs::copy_options::recursive);
        fs::remove_all(project / "generated");
        fs::copy_file(kRepository / "examples" / config.filename(), config);
        auto names =
            regforge::testing::headerNames(kRepository / "tests/fixtures/registers" / c.names, c.part);
        names.insert(c.userNames.begin(), c.userNames.end());
        fs::create_directories(inc);
        const std::string core = c.cortexM3 ? "void __disable_irq(void);\nvoid __enable_irq(void);\n" : "";
        writeFile(inc / c.header, core + regforge::testing::namesOnlyHeader(names));
        writeFile(namesSource,
                  std::string("#define RF_DEFINE_NAMES\n#include <") + c.header + ">\n" +
                      (c.cortexM3
                           ? "void __disable_irq(void) {}\nvoid __enable_irq(void) {}\n"
                             "void NVIC_EnableIRQ(IRQn_Type irq) { (void)irq; }\n"
                             "void NVIC_SetPriority(IRQn_Type irq, unsigned int p) { (void)irq; (void)p; }\n"
                           : ""));
    }

    regforge::testing::TempDir temp;
    const Example* example;
    fs::path project = temp.path() / "project";
    fs::path config;
    fs::path inc = temp.path() / "inc";
    fs::path namesSource = temp.path() / "names.c";
};

bool toolsInstalled() {
    return !regforge::testing::armCompiler().empty() && run("make --version").first == 0;
}

TEST(ExampleProjects, BuildFromTheirConfigurationWithAndWithoutHooks) {
    if (!toolsInstalled())
        GTEST_SKIP() << "arm-none-eabi-gcc or make is not installed";
    for (const auto& c : kExamples) {
        SCOPED_TRACE(c.project);
        const Workspace w(c);
        const fs::path& project = w.project;
        const fs::path& config = w.config;
        writeFile(project / "bare.c",
                  "#include \"regforge_setup.h\"\nint main(void) {\n    regforge_setup();\n"
                  "    for (;;) {\n    }\n}\n");
        const std::string make = "make -C " + project.string() + " REGFORGE=" + REGFORGE_CLI_EXE +
                                 " DEVICE_INC=" + w.inc.string() + " CONFIG=" + config.string() +
                                 " EXTRA_SOURCES=" + w.namesSource.string();

        const auto built = run(make);
        ASSERT_EQ(built.first, 0) << built.second;
        EXPECT_TRUE(fs::exists(project / "example.elf"));
        const std::string symbols = run("arm-none-eabi-nm " + (project / "example.elf").string()).second;
        EXPECT_NE(symbols.find(" T regforge_on_TIMER0\n"), std::string::npos)
            << "the hook of main.c, not the default";

        // The configuration is touched, its text unchanged: the files are regenerated, not recompiled.
        const auto object = fs::last_write_time(project / "generated/regforge_setup.o");
        fs::last_write_time(config, fs::file_time_type::clock::now() + std::chrono::seconds(2));
        const auto again = run(make);
        ASSERT_EQ(again.first, 0) << again.second;
        EXPECT_NE(again.second.find("--files generated"), std::string::npos) << again.second;
        EXPECT_EQ(fs::last_write_time(project / "generated/regforge_setup.o"), object) << again.second;

        // No hook of the user's: the weak defaults link.
        const auto bare = run(make + " MAIN=bare.c");
        ASSERT_EQ(bare.first, 0) << bare.second;
        EXPECT_NE(run("arm-none-eabi-nm " + (project / "example.elf").string())
                      .second.find(" W regforge_on_TIMER0\n"),
                  std::string::npos);
    }
}

// The README's CMake snippet on the LPC1768 example: the first build generates and links, a
// touched but unchanged configuration regenerates without recompiling.
TEST(ExampleProjects, CmakeFunctionRegeneratesWhenTheConfigurationChanges) {
    if (!toolsInstalled() || run("cmake --version").first != 0 || run("ninja --version").first != 0)
        GTEST_SKIP() << "arm-none-eabi-gcc, cmake or ninja is not installed";
    const Workspace w(kExamples[1]);
    writeFile(w.project / "CMakeLists.txt",
              "cmake_minimum_required(VERSION 3.20)\nproject(firmware C)\n"
              "include(" +
                  (kRepository / "share/regforge/cmake/Regforge.cmake").string() +
                  ")\n"
                  "add_executable(firmware main.c startup.c " +
                  w.namesSource.string() +
                  ")\n"
                  "target_include_directories(firmware PRIVATE " +
                  w.inc.string() +
                  ")\n"
                  "target_link_options(firmware PRIVATE -nostdlib -T ${CMAKE_SOURCE_DIR}/lpc1768.ld)\n"
                  "regforge_generate(firmware " +
                  w.config.string() + " generated)\n");
    const fs::path build = w.temp.path() / "build";
    const auto configured =
        run("cmake -G Ninja -S " + w.project.string() + " -B " + build.string() +
            " -DCMAKE_C_COMPILER=" + regforge::testing::armCompiler() +
            " -DCMAKE_TRY_COMPILE_TARGET_TYPE=STATIC_LIBRARY -DREGFORGE_CLI=" + REGFORGE_CLI_EXE +
            " '-DCMAKE_C_FLAGS=-mcpu=cortex-m3 -mthumb -ffreestanding -Wall -Werror'");
    ASSERT_EQ(configured.first, 0) << configured.second;
    const auto built = run("cmake --build " + build.string());
    ASSERT_EQ(built.first, 0) << built.second;
    ASSERT_TRUE(fs::exists(build / "generated/regforge_setup.c"));
    ASSERT_TRUE(fs::exists(build / "firmware"));

    fs::last_write_time(w.config, fs::file_time_type::clock::now() + std::chrono::seconds(2));
    const auto again = run("cmake --build " + build.string());
    ASSERT_EQ(again.first, 0) << again.second;
    EXPECT_NE(again.second.find("Regforge: set-up files"), std::string::npos) << again.second;
    EXPECT_EQ(again.second.find("Building C object"), std::string::npos) << "nothing recompiled:\n"
                                                                         << again.second;
}

} // namespace
} // namespace regforge::cli

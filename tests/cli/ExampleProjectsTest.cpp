// The example projects build with arm-none-eabi-gcc from their configuration in one `make`
// against headers declaring only the register lists' names, to an ELF with and without hooks.
#include "support/HeaderNames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace regforge::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kRepository = fs::path(REGFORGE_FIXTURES).parent_path().parent_path();

// A command line's exit status and what it printed on either stream.
std::pair<int, std::string> run(const std::string& command) {
    return regforge::testing::runCommand(command + " 2>&1");
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
    explicit Workspace(const Example& c) : config(temp.path() / (std::string(c.part) + ".sav")) {
        fs::copy(kRepository / "examples" / c.project, project, fs::copy_options::recursive);
        fs::remove_all(project / "generated");
        fs::copy_file(kRepository / "examples" / config.filename(), config);
        auto names =
            regforge::testing::headerNames(kRepository / "tests/fixtures/registers" / c.names, c.part);
        names.insert(c.userNames.begin(), c.userNames.end());
        const std::string core = c.cortexM3 ? "void __disable_irq(void);\nvoid __enable_irq(void);\n" : "";
        temp.write(std::string("inc/") + c.header, core + regforge::testing::namesOnlyHeader(names));
        temp.write("names.c",
                   std::string("#define RF_DEFINE_NAMES\n#include <") + c.header + ">\n" +
                       (c.cortexM3
                            ? "void __disable_irq(void) {}\nvoid __enable_irq(void) {}\n"
                              "void NVIC_EnableIRQ(IRQn_Type irq) { (void)irq; }\n"
                              "void NVIC_SetPriority(IRQn_Type irq, unsigned int p) { (void)irq; (void)p; }\n"
                            : ""));
    }

    regforge::testing::TempDir temp;
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
        w.temp.write("project/bare.c", "#include \"regforge_setup.h\"\nint main(void) {\n    "
                                       "regforge_setup();\n    for (;;) {\n    }\n}\n");
        const std::string make = "make -C " + project.string() + " REGFORGE=" + REGFORGE_CLI_EXE +
                                 " DEVICE_INC=" + w.inc.string() + " EXTRA_SOURCES=" + w.namesSource.string();

        const auto built = run(make);
        ASSERT_EQ(built.first, 0) << built.second;
        EXPECT_TRUE(fs::exists(project / "example.elf"));
        const std::string symbols = run("arm-none-eabi-nm " + (project / "example.elf").string()).second;
        EXPECT_NE(symbols.find(" T regforge_on_TIMER0\n"), std::string::npos)
            << "the hook of main.c, not the default";

        // The configuration is touched, its text unchanged: the files are regenerated, not recompiled.
        const auto object = fs::last_write_time(project / "generated/regforge_setup.o");
        fs::last_write_time(w.config, fs::file_time_type::clock::now() + std::chrono::seconds(2));
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

// The LPC1768 example's CMakeLists.txt: the first build generates and links, a touched but
// unchanged configuration regenerates without recompiling.
TEST(ExampleProjects, CmakeFunctionRegeneratesWhenTheConfigurationChanges) {
    if (!toolsInstalled() || run("cmake --version").first != 0 || run("ninja --version").first != 0)
        GTEST_SKIP() << "arm-none-eabi-gcc, cmake or ninja is not installed";
    const Workspace w(kExamples[1]);
    const std::string build = (w.temp.path() / "build").string();
    const auto configured =
        run("cmake -G Ninja -S " + w.project.string() + " -B " + build +
            " -DREGFORGE_CLI=" + REGFORGE_CLI_EXE + " -DREGFORGE_CMAKE=" + kRepository.string() +
            "/share/regforge/cmake/Regforge.cmake -DDEVICE_INC=" + w.inc.string() +
            " -DEXTRA_SOURCES=" + w.namesSource.string());
    ASSERT_EQ(configured.first, 0) << configured.second;
    const auto built = run("cmake --build " + build);
    ASSERT_EQ(built.first, 0) << built.second;
    ASSERT_TRUE(fs::exists(build + "/example.elf"));

    fs::last_write_time(w.config, fs::file_time_type::clock::now() + std::chrono::seconds(2));
    const auto again = run("cmake --build " + build);
    ASSERT_EQ(again.first, 0) << again.second;
    EXPECT_NE(again.second.find("Regforge: set-up files"), std::string::npos) << again.second;
    EXPECT_EQ(again.second.find("Building C object"), std::string::npos) << again.second;
}

} // namespace
} // namespace regforge::cli

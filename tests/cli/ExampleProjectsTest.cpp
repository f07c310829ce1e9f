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

TEST(ExampleProjects, BuildFromTheirConfigurationWithAndWithoutHooks) {
    if (regforge::testing::armCompiler().empty() || run("make --version").first != 0)
        GTEST_SKIP() << "arm-none-eabi-gcc or make is not installed";
    const struct {
        const char* project;
        const char* part;
        const char* names;
        const char* header;
        bool cortexM3;
        std::set<std::string> userNames; // what main.c writes beyond the generated code
    } cases[] = {{"lpc2148", "LPC2148", "lpc21xx.txt", "LPC214x.h", false, {"T0IR"}},
                 {"lpc1768", "LPC1768", "lpc175x.txt", "LPC17xx.h", true, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.project);
        regforge::testing::TempDir temp;
        const fs::path project = temp.path() / c.project;
        fs::copy(kRepository / "examples" / c.project, project, fs::copy_options::recursive);
        fs::remove_all(project / "generated");
        const fs::path config = temp.path() / (std::string(c.part) + ".sav");
        fs::copy_file(kRepository / "examples" / config.filename(), config);

        auto names =
            regforge::testing::headerNames(kRepository / "tests/fixtures/registers" / c.names, c.part);
        names.insert(c.userNames.begin(), c.userNames.end());
        fs::create_directories(temp.path() / "inc");
        const std::string core = c.cortexM3 ? "void __disable_irq(void);\nvoid __enable_irq(void);\n" : "";
        writeFile(temp.path() / "inc" / c.header, core + regforge::testing::namesOnlyHeader(names));
        writeFile(temp.path() / "names.c",
                  std::string("#define RF_DEFINE_NAMES\n#include <") + c.header + ">\n" +
                      (c.cortexM3
                           ? "void __disable_irq(void) {}\nvoid __enable_irq(void) {}\n"
                             "void NVIC_EnableIRQ(IRQn_Type irq) { (void)irq; }\n"
                             "void NVIC_SetPriority(IRQn_Type irq, unsigned int p) { (void)irq; (void)p; }\n"
                           : ""));
        writeFile(project / "bare.c",
                  "#include \"regforge_setup.h\"\nint main(void) {\n    regforge_setup();\n"
                  "    for (;;) {\n    }\n}\n");
        const std::string make = "make -C " + project.string() + " REGFORGE=" + REGFORGE_CLI_EXE +
                                 " DEVICE_INC=" + (temp.path() / "inc").string() +
                                 " CONFIG=" + config.string() +
                                 " EXTRA_SOURCES=" + (temp.path() / "names.c").string();

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

} // namespace
} // namespace regforge::cli

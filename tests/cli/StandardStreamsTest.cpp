#include "CliDataFolder.h"
#include "cli/DescriptorBuffer.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace regforge::cli {
namespace {

// regforge-cli itself, run by the shell with its redirections.
class StandardStreams : public ::testing::Test, public testing::CliDataFolder {
protected:
    // Runs `regforge-cli --data-dir DIR <args> <redirections> 2>err.txt`; the exit code.
    int shell(const std::string& args, const std::string& redirections) {
        const std::string command = "cd '" + data.path().string() + "' && '" + std::string(REGFORGE_CLI_EXE) +
                                    "' --data-dir . " + args + " " + redirections + " 2>err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(StandardStreams, AFailedWriteToStandardOutputFailsTheRun) {
    saveConfiguration("tiny.sav");
    const std::string full =
        "regforge-cli: error: cannot write to standard output: No space left on device\n";
    const std::string closed = "regforge-cli: error: cannot write to standard output: Bad file descriptor\n";
    const struct {
        std::string args;
        std::string redirections;
        std::string err;
    } cases[] = {
        {"list", ">/dev/full", full},
        {"generate tiny.sav", ">/dev/full", full},
        {"check-profile Tiny", ">/dev/full", full},
        {"--help", ">/dev/full", full},
        {"generate --help", ">/dev/full", full},
        {"--version", ">/dev/full", full},
        {"list", ">&-", closed},
        {"generate tiny.sav", ">&-", closed},
        {"check-profile Tiny", ">&-", closed},
        {"generate tiny.sav -o /dev/stdout", ">/dev/full",
         "regforge-cli: error: cannot write /dev/stdout: No space left on device\n"},
        {"generate tiny.sav -o /dev/stdout", ">&-",
         "regforge-cli: error: cannot write /dev/stdout: Bad file descriptor\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shell(c.args, c.redirections), 1) << c.args << " " << c.redirections;
        EXPECT_EQ(data.read("err.txt"), c.err) << c.args << " " << c.redirections;
    }
    // A closed standard output never lands in a file the command writes.
    EXPECT_EQ(shell("generate tiny.sav -o main.c", ">&-"), 0) << data.read("err.txt");
    EXPECT_EQ(data.read("main.c").rfind("/****", 0), 0u);
    EXPECT_EQ(shell("list", ">out.txt"), 0);
    EXPECT_EQ(data.read("out.txt"), "Tiny\n");
}

TEST_F(StandardStreams, OutputsNamingADescriptorAppendWhereTheRedirectSays) {
    saveConfiguration("tiny.sav");
    ASSERT_EQ(shell("generate tiny.sav", ">code.c"), 0);
    const std::string code = data.read("code.c");
    ASSERT_NE(code.find("int main(void)"), std::string::npos);
    for (const auto& [target, redirection] :
         std::vector<std::pair<std::string, std::string>>{{"/dev/stdout", ">>log.txt"},
                                                          {"/dev/stderr", ">/dev/null 2>>log.txt"},
                                                          {"/dev/fd/3", "3>>log.txt"},
                                                          {"/proc/self/fd/3", "3>>log.txt"}}) {
        data.write("log.txt", "earlier line\n");
        // The shell's own 2> comes last, so stderr is rerouted only for this run's messages.
        const std::string command = "cd '" + data.path().string() + "' && '" + std::string(REGFORGE_CLI_EXE) +
                                    "' --data-dir . generate tiny.sav -o " + target + " " + redirection;
        const int status = std::system(command.c_str());
        EXPECT_EQ(WEXITSTATUS(status), 0) << target;
        EXPECT_EQ(data.read("log.txt"), "earlier line\n" + code) << target;
    }
}

TEST(DescriptorBuffer, AMessageReachesStandardErrorInOneWrite) {
    // Each write on a datagram socket is one datagram, so the datagrams count the writes.
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_DGRAM, 0, pair), 0);
    {
        DescriptorBuffer buffer(pair[0]);
        std::ostream err(&buffer);
        CliUi ui(err);
        ui.message("Profile not found", "This file contains settings for X\nbut the profile is not available",
                   ui::Icon::Error, ui::Buttons::Ok);
        ui.message("Regforge", "a warning", ui::Icon::Warning, ui::Buttons::Ok);
        EXPECT_EQ(buffer.error(), 0);
    }
    const std::vector<std::string> expected = {
        "regforge-cli: error: Profile not found: This file contains settings for X\n"
        "  but the profile is not available\n",
        "regforge-cli: warning: Regforge: a warning\n"};
    std::vector<std::string> got;
    char datagram[4096];
    for (ssize_t n; (n = ::recv(pair[1], datagram, sizeof datagram, MSG_DONTWAIT)) > 0;)
        got.emplace_back(datagram, static_cast<std::size_t>(n));
    EXPECT_EQ(got, expected);
    ::close(pair[0]);
    ::close(pair[1]);
}

TEST_F(StandardStreams, LongNamesAreQuotedByTheirFirst200Characters) {
    const std::string name(4u * 1024u * 1024u, 'N');
    const std::string quoted = std::string(200, 'N') + "...";
    data.write("long.sav", "[profile]\r\n" + name + "\r\n");
    const auto loaded = cli({"generate", (data.path() / "long.sav").string()});
    EXPECT_EQ(loaded.code, 1);
    EXPECT_EQ(loaded.err, "regforge-cli: error: Profile not found: This file contains settings for " +
                              quoted + "\n  but the profile is not available\n");
    const auto command = cli({name});
    EXPECT_EQ(command.err.rfind("regforge-cli: unknown command '" + quoted + "'\n", 0), 0u)
        << command.err.size();
    const auto option = cli({"list", "-" + name});
    EXPECT_EQ(option.err.rfind("regforge-cli list: unknown option '-" + quoted.substr(0, 199) + "...'\n", 0),
              0u)
        << option.err.size();
    const auto device = cli({"check-profile", name});
    EXPECT_EQ(device.err.rfind("regforge-cli: error: no device profile '" + quoted + "' in ", 0), 0u)
        << device.err.size();
}

} // namespace
} // namespace regforge::cli

#include "io/DataFolders.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>

namespace regforge::io {
namespace {

namespace fs = std::filesystem;
using Layout = DataFolders::Layout;
using Paths = std::vector<fs::path>;
using testing::TempDir;

// A prefix with bin/ and share/regforge/include, as `cmake --install` lays it out.
class InstalledPrefix : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root.path() / "usr/bin");
        root.write("usr/share/regforge/include/LPC2148.ini", "shipped");
    }
    fs::path bin() const { return root.path() / "usr/bin"; }
    fs::path shipped() const { return root.path() / "usr/share/regforge"; }

    TempDir root;
};

TEST(DataFolders, PortableFolderIsReadAndWritten) {
    TempDir exe;
    exe.write("include/LPC2148.ini", "");
    const auto folders = DataFolders::locate(exe.path(), {}, {"/xdg", "/home/u"});
    EXPECT_EQ(folders.layout(), Layout::Portable);
    EXPECT_EQ(folders.readFolders(), Paths{exe.path()});
    EXPECT_EQ(folders.writeFolder(), exe.path());
    EXPECT_EQ(folders.subFolders("replace"), Paths{exe.path() / "replace"});
    EXPECT_EQ(folders.find("include", "LPC2148.ini"), exe.path() / "include/LPC2148.ini");
}

TEST(DataFolders, FolderWithoutDataStaysPortableSoStartUpReportsIt) {
    TempDir exe;
    const auto folders = DataFolders::locate(exe.path(), {}, {"", "/home/u"});
    EXPECT_EQ(folders.layout(), Layout::Portable);
    EXPECT_EQ(folders.readFolders(), Paths{exe.path()});
    EXPECT_FALSE(folders.hasSubFolder("include"));
}

TEST_F(InstalledPrefix, ChosenFolderWinsOverEveryLayout) {
    TempDir chosen;
    for (const fs::path& exe : {bin(), shipped()}) {
        const auto folders = DataFolders::locate(exe, chosen.path(), {"/xdg", "/home/u"});
        EXPECT_EQ(folders.layout(), Layout::Chosen);
        EXPECT_EQ(folders.readFolders(), Paths{chosen.path()});
        EXPECT_EQ(folders.writeFolder(), chosen.path());
    }
}

TEST_F(InstalledPrefix, UserFolderIsReadFirstAndWritten) {
    const auto viaHome = DataFolders::locate(bin(), {}, {"", "/home/u"});
    EXPECT_EQ(viaHome.layout(), Layout::Installed);
    EXPECT_EQ(viaHome.readFolders(), (Paths{"/home/u/.local/share/regforge", shipped()}));
    EXPECT_EQ(viaHome.writeFolder(), "/home/u/.local/share/regforge");
    EXPECT_TRUE(viaHome.hasSubFolder("include"));

    const auto viaXdg = DataFolders::locate(bin() / "", {}, {"/xdg", "/home/u"});
    EXPECT_EQ(viaXdg.readFolders(), (Paths{"/xdg/regforge", shipped()}));
    EXPECT_EQ(viaXdg.writeFolder(), "/xdg/regforge");

    // The XDG rules ignore a relative XDG_DATA_HOME.
    EXPECT_EQ(DataFolders::locate(bin(), {}, {"rel", "/home/u"}).writeFolder(),
              "/home/u/.local/share/regforge");

    // Without a home only the shipped folder remains.
    const auto homeless = DataFolders::locate(bin(), {}, {"", ""});
    EXPECT_EQ(homeless.readFolders(), Paths{shipped()});
    EXPECT_EQ(homeless.writeFolder(), shipped());
}

TEST_F(InstalledPrefix, FindPrefersTheUsersCopyAndNamesAMissingFileInTheFirstFolder) {
    const fs::path own = root.path() / "home/.local/share/regforge";
    const auto folders = DataFolders::locate(bin(), {}, {"", (root.path() / "home").string()});
    EXPECT_EQ(folders.find("include", "LPC2148.ini"), shipped() / "include/LPC2148.ini");

    root.write("home/.local/share/regforge/include/LPC2148.ini", "mine");
    EXPECT_EQ(folders.find("include", "LPC2148.ini"), own / "include/LPC2148.ini");
    EXPECT_EQ(folders.find("replace", "keil.ini"), own / "replace/keil.ini");
}

TEST(UserEnvironment, ComesFromXdgDataHomeAndHome) {
    const auto keep = [](const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr ? std::optional<std::string>(v) : std::nullopt;
    };
    const auto xdg = keep("XDG_DATA_HOME");
    const auto home = keep("HOME");
    ::setenv("XDG_DATA_HOME", "/data/home", 1);
    ::setenv("HOME", "/home/user", 1);
    const UserEnvironment env = UserEnvironment::fromProcess();
    EXPECT_EQ(env.xdgDataHome, "/data/home");
    EXPECT_EQ(env.home, "/home/user");
    for (const auto& [name, value] : {std::pair{"XDG_DATA_HOME", xdg}, std::pair{"HOME", home}}) {
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
}

} // namespace
} // namespace regforge::io

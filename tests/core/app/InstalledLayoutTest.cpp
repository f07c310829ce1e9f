// An installed program: the shipped data in <prefix>/share/regforge cannot be written, so the
// main window reads the user's own folder first and writes only there.

#include "app/MainForm.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace regforge::app {
namespace {

namespace fs = std::filesystem;
using testing::FakeUi;
using testing::TempDir;
using Names = std::vector<std::string>;

std::string shippedProfile(const std::string& name) {
    std::ifstream in(fs::path(REGFORGE_FIXTURES) / ".." / ".." / "data" / "include" / (name + ".ini"),
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class InstalledLayout : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root.path() / "usr/bin");
        root.write("usr/share/regforge/include/LPC1343.ini", shippedProfile("LPC1343"));
        root.write("usr/share/regforge/include/Shipped.ini", "");
        root.write("usr/share/regforge/replace/keil.ini", "PINSEL0=PSEL0\r\n");
    }

    MainForm& start() {
        const io::UserEnvironment user{"", (root.path() / "home").string()};
        form = std::make_unique<MainForm>(ui, io::DataFolders::locate(root.path() / "usr/bin", {}, user));
        form->FormCreate();
        return *form;
    }
    bool load(const std::string& device) {
        auto& devices = form->store().get<model::ComboBox>("mcu_ComboBox");
        devices.setItemIndex(devices.indexOf(device));
        return form->LoadProfileBitBtnClick();
    }
    Names items(const char* combo) const { return form->store().get<model::ComboBox>(combo).items(); }

    TempDir root;
    const std::string own = "home/.local/share/regforge/";
    FakeUi ui;
    std::unique_ptr<MainForm> form;
};

TEST_F(InstalledLayout, StartsFromTheShippedDataAloneAndWritesNothingThere) {
    auto& f = start();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(items("mcu_ComboBox"), (Names{"LPC1343", "Shipped"}));
    EXPECT_EQ(items("ReplaceFileSelectComboBox"), Names{"keil"});
    ASSERT_TRUE(load("LPC1343"));
    EXPECT_EQ(f.device().includeFile, "LPC13xx.h");

    f.FormClose();
    EXPECT_FALSE(fs::exists(root.path() / "usr/share/regforge/include/regforge"));
    EXPECT_FALSE(fs::exists(root.path() / "home/.local"));
}

TEST_F(InstalledLayout, UsersOwnDataComesFirstAndTakesTheWrites) {
    std::string mine = shippedProfile("LPC1343");
    const auto at = mine.find("LPC13xx.h");
    ASSERT_NE(at, std::string::npos);
    mine.replace(at, 9, "mine.h");
    root.write(own + "include/LPC1343.ini", mine);
    root.write(own + "include/Own.ini", "");
    root.write(own + "replace/gcc.ini", "");
    root.write(own + "replace/keil.ini", "");
    root.write(own + "include/regforge", "[VERSION]\r\n2.2.2\r\n[FORMSIZE]\r\n700\r\n600\r\n");

    auto& f = start();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(items("mcu_ComboBox"), (Names{"LPC1343", "Own", "Shipped"})) << "one entry per name";
    EXPECT_EQ(items("ReplaceFileSelectComboBox"), (Names{"gcc", "keil"}));
    EXPECT_EQ(f.store().get<model::Form>("Form1").height(), 700);
    ASSERT_TRUE(load("LPC1343"));
    EXPECT_EQ(f.device().includeFile, "mine.h");

    f.store().get<model::Form>("Form1").setSize(500, 400);
    f.FormClose();
    EXPECT_EQ(root.read(own + "include/regforge"), "[VERSION]\r\n2.2.2\r\n[FORMSIZE]\r\n400\r\n500\r\n");
    EXPECT_FALSE(fs::exists(root.path() / "usr/share/regforge/include/regforge"));
}

TEST_F(InstalledLayout, TheShippedSettingsFileSeedsTheUsersOwnOnTheFirstClose) {
    root.write("usr/share/regforge/include/regforge", "[VERSION]\r\n2.2.2\r\n");
    auto& first = start();
    EXPECT_EQ(first.store().get<model::Form>("Form1").height(), 663) << "no size yet: the design size";
    first.store().get<model::Form>("Form1").setSize(500, 640);
    first.FormClose();
    EXPECT_EQ(root.read("usr/share/regforge/include/regforge"), "[VERSION]\r\n2.2.2\r\n")
        << "the shipped file is only read";
    EXPECT_EQ(root.read(own + "include/regforge"), "[VERSION]\r\n2.2.2\r\n[FORMSIZE]\r\n640\r\n500\r\n");

    auto& second = start();
    EXPECT_EQ(second.store().get<model::Form>("Form1").width(), 500) << "the user's copy is read now";
    EXPECT_EQ(second.store().get<model::Form>("Form1").height(), 640);
}

} // namespace
} // namespace regforge::app

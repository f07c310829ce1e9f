#include "gui/QtUi.h"

#include "gui/binding/Windows1252.h"

#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

TEST(QtUi, FileFiltersTakeTheirPatternsFromAfterTheBar) {
    EXPECT_EQ(nameFiltersFrom("Saved configuration (*.sav)|*.sav|All files (*.*)|*.*"),
              (QStringList{"Saved configuration (*.sav)", "All files (*)"}));
    EXPECT_EQ(nameFiltersFrom("Replace lists|*.ini;*.txt"), (QStringList{"Replace lists (*.ini *.txt)"}));
    EXPECT_TRUE(nameFiltersFrom("").isEmpty());
}

TEST(QtUi, Windows1252TextSurvivesTheRoundTrip) {
    std::string every;
    for (int byte = 0; byte < 256; ++byte)
        every.push_back(static_cast<char>(byte));
    EXPECT_EQ(binding::toWindows1252(binding::fromWindows1252(every)), every);
    EXPECT_EQ(binding::fromWindows1252("\x80\xB5\xE9"), QString::fromUtf8("€µé"));
    EXPECT_EQ(binding::toWindows1252(QString::fromUtf8("5 µs → 😀")), "5 \xB5s ? ?");
}

} // namespace
} // namespace regforge::gui

#pragma once

#include "GuiFixture.h"

#include <QAbstractButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace regforge::gui {

// The program started as the user sees it, with one page's test profile loaded the way the
// user does it and that page in front. Profiles come from tests/fixtures/<subfolder>/.
class PageViewFixture : public ::testing::Test {
protected:
    PageViewFixture(std::string subfolder, int pageIndex);

    // Loads tests/fixtures/<subfolder>/<fixture>.ini as device LPC2148.
    void load(const std::string& fixture);
    // Loads the profile text as device LPC2148 and brings the page to the front.
    void loadText(const std::string& profile);

    QWidget* widget(const std::string& name) { return gui.widget<QWidget>(name.c_str()); }
    void click(const std::string& name) { gui.widget<QAbstractButton>(name.c_str())->click(); }

    // Counts the controls on the page sheet; each must have its widget inside its parent's layout.
    int placedControls(const std::string& sheet);
    // The cover lies on top of the group until the switch is clicked, then the group shows.
    void expectCoverLiftedBy(const std::string& group, const std::string& cover,
                             const std::string& enableBox);
    // The sheet's scroll area loses no room on the right, and no visible named widget of the
    // groups is squeezed below its minimum or cut off by its group.
    void expectNothingSqueezed(const std::string& sheet, const std::vector<std::string>& groups);

    GuiFixture gui;

private:
    std::string subfolder_;
    int pageIndex_;
};

} // namespace regforge::gui

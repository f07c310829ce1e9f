#include "app/ShellLayout.h"

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"
#include "output/Compiler.h"
#include "output/ReplacePanelControls.h"

namespace regforge::app {

using model::ControlKind;

void declareShellFrame(model::ControlStore& store, const std::vector<periph::PageTab>& tabs) {
    auto& form = store.add<model::Form>("Form1");
    form.setCaption(kFormCaption);
    form.setSize(kDesignWidth, kDesignHeight);
    auto& pages = store.add<model::PageControl>("pagecontrol1", &form);
    for (const periph::PageTab& tab : tabs)
        store.addPlain(ControlKind::Page, tab.name, &pages, tab.caption);
}

void declareDeviceBar(model::ControlStore& store, model::Control& firstPage) {
    auto* page = &firstPage;
    auto& devices = store.add<model::ComboBox>("mcu_ComboBox", page);
    devices.setTag(-1); // never saved in a configuration
    devices.setSorted(true);
    devices.setDropDownCount(15);
    // Typing here narrows the device list (a part number, a family such as "lpc23"); an edit
    // is not saved in a configuration.
    store.add<model::Edit>("mcu_FilterEdit", page).setHint("Type part of a device name to narrow the list");
    store.addPlain(ControlKind::Button, "LoadProfileBitBtn", page, "Load profile");
    store.addPlain(ControlKind::Button, "ShowPicture", page, "Show MCU").setEnabled(false);
    store.addPlain(ControlKind::Button, "LoadConfigButton", page, "Load configuration");
    store.addPlain(ControlKind::Button, "SaveConfigButton", page, "Save configuration").setEnabled(false);
    auto& warning = store.addPlain(ControlKind::Panel, "IO_warning_panel", page,
                                   "Open a saved configuration or select mcu model and press Load profile");
    warning.setTag(-1); // its visibility follows the device load, not the file
}

void declareResultPage(model::ControlStore& store) {
    auto* page = store.find(kResultTab.name);
    store.addPlain(ControlKind::Button, "Result_btn", page, "Create code && copy to clipboard");
    store.addPlain(ControlKind::Button, "SaveCodeButton", page, "Save code as...");
    store.add<model::ToggleButton>("ReplaceUseButton", page).setCaption("Use replace table");
    store.addPlain(ControlKind::Button, "ViewReplaceButton", page, "View table");
    auto& replacePanel = store.addPlain(ControlKind::Panel, output::kReplacePanel, page);
    replacePanel.setVisible(false);
    replacePanel.setTag(-1);
    store.add<model::Edit>(output::kPairEdit, &replacePanel).setText(output::kPairEditText);
    store.addPlain(ControlKind::Button, output::kAddButton, &replacePanel, output::kAddCaption);
    auto& lists = store.add<model::ComboBox>(output::kListSelector, &replacePanel);
    lists.setTag(-1);
    lists.setSorted(true);
    store.addPlain(ControlKind::Button, output::kLoadButton, &replacePanel, "Load");
    store.addPlain(ControlKind::Button, output::kSaveButton, &replacePanel, "Save as...").setEnabled(false);
    store.addPlain(ControlKind::Button, output::kSwapButton, &replacePanel, "Swap list");
    store.addPlain(ControlKind::Button, output::kProcessFileButton, &replacePanel, "Process external file");
    store.addPlain(ControlKind::Button, output::kHelpButton, &replacePanel, "?");
    store.addPlain(ControlKind::Label, output::kAddHelpLabel, &replacePanel, output::kAddHelpText);
    store.addPlain(ControlKind::Label, output::kEditHelpLabel, &replacePanel, output::kEditHelpText);
    store.addPlain(ControlKind::Label, output::kSaveLoadHelpLabel, &replacePanel, output::kSaveLoadHelpText);
    store.addPlain(ControlKind::Label, output::kDeleteHelpLabel, &replacePanel, output::kDeleteHelpText);
    store.add<model::ValueList>(output::kListEditor, &replacePanel).setTitles("Old value", "New value");
    store.addPlain(ControlKind::Label, output::kEditLabel, &replacePanel, output::kEditLabelText)
        .setVisible(false);
    // The generated files for the user's build: the compiler whose syntax they use, then the export.
    store.addPlain(ControlKind::Label, "CompilerLabel", page, "Compiler:");
    auto& compiler = store.add<model::ComboBox>(output::kCompilerComboBox, page);
    compiler.setTag(-1); // saved in a record of its own, only when it is not Keil
    compiler.setItems({std::begin(output::kCompilerItems), std::end(output::kCompilerItems)});
    compiler.setItemIndex(static_cast<int>(output::Compiler::Keil));
    compiler.setHint("The syntax of the exported files' interrupt handlers and weak hooks");
    store.addPlain(ControlKind::Button, "ExportFilesButton", page, "Export files...");
    store.add<model::Memo>("Memo1", page);
}

void declareShellTail(model::ControlStore& store) {
    auto* form = store.find("Form1");
    store.addPlain(ControlKind::Panel, "about_button", form, "about");
    auto& about = store.addPlain(ControlKind::Panel, "about_panel", form);
    about.setVisible(false);
    about.setTag(-1);
    store.addPlain(ControlKind::Label, "about_label", &about,
                   "Regforge 2.2.2\n"
                   "Register set-up code for NXP LPC2xxx (VIC) and LPC17xx/LPC13xx (NVIC) microcontrollers.\n"
                   "Load a device profile, configure the peripherals page by page,\n"
                   "then press \"Create code\" on the Result page.");

    auto& popup = store.addPlain(ControlKind::PopupMenu, "IntegerInputPopup", form);
    store.add<model::MenuItem>("CalcFromFreqPopup", &popup).setCaption("Calculate from frequency/Period");
    store.add<model::MenuItem>("InsertIntegterPopup", &popup).setCaption("Insert decimal value");
    auto& samples = store.add<model::MenuItem>("CalculateFromSamplesAD", &popup);
    samples.setCaption("Calculate from samples/sec");
    samples.setVisible(false);
}

tools::ClockBar clockBar(model::ControlStore& store) {
    tools::ClockBar bar{&store.get<model::Control>("ClockPanel"), {}};
    for (const char* name : {"Label4", "pclk_div", "pclock_edit", "Label3"})
        bar.commonDivider.push_back(&store.get<model::Control>(name));
    return bar;
}

} // namespace regforge::app

#pragma once

#include "model/CheckControls.h"
#include "model/ListControls.h"
#include "model/Signal.h"
#include "model/Tree.h"
#include "periph/Page.h"
#include "periph/ResultLists.h"
#include "periph/io/IoControls.h"
#include "periph/io/PinLists.h"
#include "periph/io/PinSections.h"
#include "periph/io/PinTreeActions.h"
#include "periph/io/PinTreeClicks.h"
#include "periph/io/PinoutModel.h"
#include "periph/io/QuickSelector.h"

#include <optional>
#include <string>

namespace regforge::periph::io {

// The "I/O" page: the pin tree with its functions, directions, pull modes and options, the
// fast-GPIO and open-drain controls, and the quick selector that jumps to a function in the tree.
class IoPage : public Page {
public:
    static constexpr const PageTab& kTab = io::kTab;
    // The profile sections the page reads, for its loader and the profile check.
    static profile::SectionDescription profileSections() { return pinSections(); }

    explicit IoPage(PageContext& context);

    // The tree, the pin lists and the taken exclusive functions are forgotten; fast GPIO unchecked.
    void clearDevice() override;
    // The open-drain list is emptied and its panel hidden.
    void reset() override;
    // LoadPinTree in the device's form: PINSEL, IOCON, or IOCON for the 13xx family.
    void loadProfile() override;

    // A click on a node part: left clicks select the node, then a state icon changes the setting
    // and a normal icon steps the pull mode; the right button swaps between two pull modes.
    void IO_TreeviewClick(int node, model::TreeHitPart part, model::MouseButton button);
    // A key or context-menu entry of the tree (a PinTreeActionId): the click it stands for.
    void IO_TreeviewAction(int node, int action);
    // A double click on a pull-mode icon steps it like a click.
    void IO_TreeviewDblClick(int node, model::TreeHitPart part);
    // Whether a pin may fold or unfold with the mouse over this part: clicks on the icons never
    // fold a pin.
    bool IO_TreeviewCollapsing(model::TreeHitPart mouseOver) const;

    void OpenDrainButtonClick();
    // Brings the group marks up to date and asks the view to pop the menu up under the button.
    void QuickSelectorButtonClick();
    // Each group is checked while one of its entries is.
    void QuickSelectPopupPopup();
    // Jumps to the function the entry names: the tree folds and the function's pin opens.
    void QuickSelectEntryClick(int tag);

    // The pin code, PINSEL or IOCON form, appended to the result's lists.
    void generate(ResultLists& lists) const override;
    // Every pin's function; the debug, boot, open-drain-only and reserved pins of the board.
    void describeSetup(SetupFacts& facts) const override;
    void reportProblems(const SetupFacts& facts, ProblemList& out) const override;
    // A device without pins gives no result.
    bool readyForResult() const override { return tree_->count() > 0; }

    // The pin tree's record: image, state and selected-image index of each node, in node order.
    // With IOCON the open-drain marks live in the pins, and their list has no record.
    bool saveRecord(const model::Control& control, SavedLines& out) const override;
    // The pin tree's node values by position, before every other record; no tree handler runs.
    void restoreFirst(const SavedRecords& records) override;
    // Pins sharing a register field are brought into step; fast GPIO the device lacks goes off.
    void correctLoadedSetup(LoadCorrections& corrections) override;

    const PinLists& pinLists() const { return lists_; }
    const QuickSelector& quickSelector() const { return quick_; }
    const PinTreeClicks& clicks() const { return clicks_; }
    // Pins sharing a register field take the selection of the first of them; their names.
    std::vector<std::string> alignSharedFields() { return clicks_.alignSharedFields(); }
    // Fast GPIO switched on by a loaded file on a device that offers none is switched off; the
    // box's caption when it was.
    std::optional<std::string> switchOffMissingFastIo();
    model::Tree& tree();
    const model::Tree& tree() const { return *tree_; }
    // The package pins with what the set-up does with each; choosing there clicks the tree.
    PinoutModel& pinout() { return pinout_; }

    // The view pops the given popup menu up (the quick selector under its button).
    model::Signal<model::Control&> popupRequested;

private:
    void declareControls();
    void connectHandlers();
    void setUpFastIo();

    model::Tree* tree_ = nullptr;
    model::CheckBox* fastIo_ = nullptr;
    model::Control* fastIoFrame_ = nullptr;
    model::Control* openDrainButton_ = nullptr;
    model::Control* openDrainPanel_ = nullptr;
    model::CheckListBox* openDrainList_ = nullptr;
    model::Control* quickSelectorButton_ = nullptr;
    model::Control* quickSelectPopup_ = nullptr;
    std::vector<model::MenuItem*> quickSelectItems_;
    PinLists lists_;
    QuickSelector quick_;
    PinTreeClicks clicks_;
    PinoutModel pinout_;
};

} // namespace regforge::periph::io

#pragma once

#include "model/ComboBox.h"
#include "model/ListControls.h"
#include "model/Tree.h"
#include "periph/Page.h"
#include "periph/irq/EintRow.h"
#include "periph/irq/InterruptSections.h"
#include "periph/irq/InterruptSources.h"
#include "periph/irq/IrqControls.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::irq {

// The "Interrupts" page: the device's interrupt sources and the slot list that gives them
// handlers (VIC: the fast interrupt entry and the vectored slots; NVIC: the enabling order),
// the external interrupt rows EINT0..EINT3 and the GPIO interrupt tree.
class IrqPage : public Page {
public:
    static constexpr const PageTab& kTab = irq::kTab;
    // The profile sections the page reads, for its loader and the profile check.
    static profile::SectionDescription profileSections() { return interruptSections(); }

    explicit IrqPage(PageContext& context);

    void clearDevice() override;
    // Every external interrupt row disabled, level sensitive, active low, no wake-up.
    void reset() override;
    // The options group is hidden on devices with edge/level GPIO interrupts.
    void applyDeviceFlags() override;
    void loadProfile() override { LoadInterruptSources(); }
    // External and GPIO interrupts, then the VIC or the NVIC set-up with the handlers.
    void generate(ResultLists& lists) const override;
    // The listed sources, the external and GPIO interrupts; their handlers and units.
    void describeSetup(SetupFacts& facts) const override;
    void reportProblems(const SetupFacts& facts, ProblemList& out) const override;

    // [ISR], [ISR_DESC], [ISRVECTORS] and [IO_ISR]: sources, slot list, legends, buttons, tree.
    void LoadInterruptSources();

    // Add: the first selected free entry, or without a selection the first free vector slot.
    void addSourceClick();
    // Move the selected entries up / down one place.
    void moveUpClick();
    void moveDownClick();
    // Free the selected entries.
    void freeEntriesClick();
    // Add as fast IRQ: the source takes the fast interrupt entry.
    void addFastIrqClick();
    // Add as vector IRQ: the source's own slot (NVIC: the first free entry).
    void addVectorIrqClick();
    // The chosen source's external interrupt row becomes usable.
    void UpdateEintOptions();
    // The description of the chosen source.
    void ISR_ComboBoxChange();
    // A mode change gives the row's polarity combo its matching item texts.
    void EXTMODE0_comboChange(int row);
    // State icon click, double click or space: the node's next trigger; image click: edge <-> level.
    void GPIOISR_TreeViewClick(int node, model::TreeHitPart part, model::MouseButton button);
    void GPIOISR_TreeViewDblClick(int node, model::TreeHitPart part);
    void GPIOISR_TreeViewKeyPress(char key);

    const InterruptSources& sources() const { return sources_; }
    const EintRow& eintRow(int n) const { return eint_.at(static_cast<std::size_t>(n)); }
    const model::Playlist& slotList() const { return *slots_; }
    const model::Tree& gpioTree() const { return *gpioTree_; }

    // The GPIO interrupt tree's records (state indices, then the edge/level images) and the
    // external-interrupt combos' item texts, which the device decides.
    bool saveRecord(const model::Control& control, SavedLines& out) const override;
    // The mode combos' handlers stay detached while a file is applied.
    void beforeRestore() override;
    void restoreFirst(const SavedRecords& records) override;
    // The source list is never restored; the fixed-slot list puts each source in its own slot.
    bool restoreRecord(model::Control& control, const SavedRecord& saved) override;
    void afterRestore() override { quietModes_.clear(); }
    // Sources, slot entries and external interrupts the device does not have are freed.
    void correctLoadedSetup(LoadCorrections& corrections) override;

private:
    // Frees the slots holding sources the device does not have (a file made for another part)
    // and names those sources.
    std::vector<std::string> freeUnknownSources();
    // External-interrupt rows a loaded file switched on where the device has no such
    // interrupts (the LPC13xx) are switched off; their captions.
    std::vector<std::string> switchOffMissingEints();
    // Brings a list a loaded file made longer than the device's slots back to its length and
    // keeps each source once (its first entry); names the sources of the entries it dropped.
    std::vector<std::string> fitSlotList();
    bool isEintCombo(const model::Control& control) const;
    void restoreSlotList(const SavedRecord& saved);
    void declareSourceControls(model::Control* page);
    void declareEintRows(model::Control* page);
    void declareGpioTree(model::Control* page);
    void connectHandlers();
    void loadGpioTree(bool present);
    bool listed(const std::string& name) const;
    void placed(int index);
    void setEintRowEnabled(int n, bool enabled, bool withWake);
    void advanceGpioState(int node);
    model::ItemStyle sourceStyle(const std::string& item) const;

    model::Control* sourcesLabel_ = nullptr;
    model::ComboBox* sourceCombo_ = nullptr;
    model::Control* descriptionLabel_ = nullptr;
    model::Playlist* slots_ = nullptr;
    model::Control* addButton_ = nullptr;
    model::Control* moveUpButton_ = nullptr;
    model::Control* moveDownButton_ = nullptr;
    model::Control* freeButton_ = nullptr;
    model::Control* fastIrqButton_ = nullptr;
    model::Control* vectorIrqButton_ = nullptr;
    model::Control* fiqLegend_ = nullptr;
    model::Control* slotLegend_ = nullptr;
    std::array<model::Control*, 4> infoLabels_{};
    model::Control* eintGroup_ = nullptr;
    std::array<EintRow, kEintCount> eint_{};
    model::Tree* gpioTree_ = nullptr;
    model::Control* gpioLabel_ = nullptr;
    model::Control* gpioLegend_ = nullptr;
    model::Control* gpioLegendLevels_ = nullptr;
    model::Control* gpioLegendEdgeLevel_ = nullptr;
    model::Control* gpioLeftPanel_ = nullptr;
    model::Control* gpioTopPanel_ = nullptr;
    InterruptSources sources_;
    std::vector<std::unique_ptr<model::MuteGuard>> quietModes_;
};

} // namespace regforge::periph::irq

#pragma once

#include "periph/Page.h"
#include "periph/spi/SerialPorts.h"
#include "periph/spi/SerialSections.h"
#include "periph/spi/SpiControls.h"

#include <array>

namespace regforge::periph::spi {

// The "SPI/SSP" page: the SPI port and the SSP ports 0 to 2, each with its register
// controls, its own clock panel, its live bus clock and its hint label. The handlers keep
// a port consistent: clock mode against CPOL/CPHA, frame format against clock mode, the
// slave-only option and even clock dividers.
class SpiPage : public Page {
public:
    static constexpr const PageTab& kTab = spi::kTab;
    // The profile sections the page reads, for its loader and the profile check.
    static profile::SectionDescription profileSections() { return serialSections(); }

    explicit SpiPage(PageContext& context);

    // The help buttons: the picture of the four SPI clock modes, modal.
    void SpiModesHelpClick();

    // Every port unchecked, disabled and back to its defaults.
    void reset() override;
    // [SPI] and [SSP0]..[SSP2]: which ports exist, an 8-bit-only SPI, the SSP ports with DMA.
    void loadProfile() override;
    void refreshFigures() override;
    // SPI, then SSP0, SSP1 and SSP2, each only when checked.
    void generate(ResultLists& lists) const override;
    void describeSetup(SetupFacts& facts) const override;
    void reportProblems(const SetupFacts& facts, ProblemList& out) const override;
    // An SSP port's DMA enable is checked: the result starts the GPDMA.
    bool usesGpdma() const override;

    // Port 0 is SPI, ports 1 to 3 are SSP0 to SSP2: the bus clock figure after its clock changed.
    void refreshPortFigure(int port);

    // BitEnable uncovers the transfer length; unchecked, the length goes back to 16 bits.
    void bitEnableClick();
    // The sender (a mode combo, a CPOL or CPHA box) sets the other two of its port.
    void modeChange(model::Control& sender);
    // Any frame format but SPI has no clock mode: CPOL, CPHA and the mode are cleared and locked.
    void frameFormatChange(int ssp);
    // SOD is a slave option: usable only while MS is checked.
    void masterSlaveClick(int ssp);
    // "SPI clock: ..." from SPCCR and the port's clock; a counter outside 8..254 leaves it.
    void refreshSpiClock();
    // "SSP clock: ..." from CPSDVSR, SCR and the port's clock; a CPSDVSR outside 8..254 leaves it.
    void refreshSspClock(int ssp);
    // Leaving a clock divider edit (or Enter in it) makes an odd value even.
    void evenDividerExit(model::NumericEdit& edit);
    // The mouse over any group box clears all four hint labels.
    void groupBoxMouseMove();

    const SpiPort& spi() const { return spi_; }
    const SspPort& ssp(int ssp) const { return ssps_.at(static_cast<std::size_t>(ssp)); }
    // The clock edit (MHz) the port's figures start from: the common peripheral clock when the
    // device has one divider for everything, else the port's own.
    const model::NumericEdit& portClockEdit(int port) const;

private:
    void declareSpi(model::Control* page);
    void declareSsp(int ssp, model::Control* page);
    void connectSpi();
    void connectSsp(int ssp);
    void addPopupRows();
    void resetSpi();
    void resetSsp(int ssp);
    // Sets `mode` from CPOL/CPHA or the other way round, the three muted meanwhile.
    void applyMode(model::ComboBox& mode, model::CheckBox& cpol, model::CheckBox& cpha, bool fromCombo);

    SpiPort spi_{};
    std::array<SspPort, kSspCount> ssps_{};
};

} // namespace regforge::periph::spi

#include "periph/spi/SpiPage.h"

#include "model/ValueFormat.h"
#include "periph/spi/SerialSections.h"
#include "periph/spi/SpiGenerator.h"
#include "periph/spi/SspGenerator.h"

#include <cstdint>
#include <string>
#include <vector>

namespace regforge::periph::spi {

using model::CheckBox;
using model::ComboBox;
using model::Control;
using model::ControlKind;
using model::NumericEdit;

namespace {

// SPCCR and CPSDVSR: even dividers from 8 to 254.
constexpr int kLowestDivider = 8;
constexpr int kHighestDivider = 254;

constexpr const char* kSpiBoxHints[] = {
    "SPCR[2] BitEnable, 1= the transfer length is set by BITS, 0= 8 bits per transfer",
    "SPCR[3] CPHA, clock phase: 1= data sampled on the second SCK edge, 0= on the first",
    "SPCR[4] CPOL, clock polarity: 1= SCK is active low, 0= SCK is active high",
    "SPCR[5] MSTR, 1= master mode, 0= slave mode",
    "SPCR[6] LSBF, 1= LSB first, 0= MSB first",
    "SPCR[7] SPIE, 1= interrupt on transfer end and mode fault, 0= no interrupt",
};

constexpr const char* kSspInterruptHints[] = {
    "IMSC[0] RORIM, 1= interrupt on receive overrun",
    "IMSC[1] RTIM, 1= interrupt on receive time-out",
    "IMSC[2] RXIM, 1= interrupt when the RX FIFO is at least half full",
    "IMSC[3] TXIM, 1= interrupt when the TX FIFO is at least half empty",
};

std::vector<std::string> lengthItems(int first, int count) {
    std::vector<std::string> items;
    for (int bits = first; bits < first + count; ++bits)
        items.push_back(std::to_string(bits) + " bits per transfer");
    return items;
}

NumericEdit& dividerEdit(model::ControlStore& store, const std::string& name, Control* parent, int tag,
                         int minimum, int maximum, const std::string& text) {
    auto& edit = store.add<NumericEdit>(name, parent);
    edit.setValueKind(model::ValueKind::Numeric);
    edit.setMaxLength(3);
    edit.setMinimumValue(minimum);
    edit.setMaximumValue(maximum);
    edit.setText(text);
    edit.setTag(tag);
    return edit;
}

} // namespace

SpiPage::SpiPage(PageContext& context) : Page(context) {
    auto* page = store().find(kTab.name);
    declareSpi(page);
    for (int n = 0; n < kSspCount; ++n)
        declareSsp(n, page);
    connectSpi();
    for (int n = 0; n < kSspCount; ++n)
        connectSsp(n);
    addPopupRows();
    // Every port's help button shows the picture of the four SPI clock modes.
    std::vector<std::string> helpButtons{kSpiHelpButton};
    for (int n = 0; n < kSspCount; ++n)
        helpButtons.push_back(sspControl(n, "modesHelp_SpeedButton"));
    for (const auto& name : helpButtons)
        if (Control* button = store().find(name))
            button->clicked.connect([this](Control&) { SpiModesHelpClick(); });
}

void SpiPage::SpiModesHelpClick() {
    ui().showPicture(context().folders.find("include", "SPI_modes.jpg"), "SPI modes", true, false);
}

void SpiPage::declareSpi(Control* page) {
    auto& s = store();
    auto& p = spi_;
    const auto hinted = [&p](Control& c, std::string hint) {
        c.setHint(std::move(hint));
        p.hinted.push_back(&c);
    };
    p.enableBox = &s.add<CheckBox>(kSpiEnableBox, page);
    p.enableBox->setCaption("SPI");
    p.enableBox->setTag(kSpiBase + kEnableBoxOffset);
    p.groupBox = &s.addPlain(ControlKind::GroupBox, kSpiGroupBox, page);
    p.groupBox->setEnabled(false);
    p.helpButton = &s.addPlain(ControlKind::Button, kSpiHelpButton, p.groupBox, "SPI modes");
    p.helpButton->setTag(kSpiBase + kHelpButtonOffset);
    for (int bit = kSpiFirstBoxBit; bit <= kSpiLastBoxBit; ++bit) {
        const auto at = static_cast<std::size_t>(bit - kSpiFirstBoxBit);
        auto& box = s.add<CheckBox>(kSpiBoxNames[at], p.groupBox);
        box.setCaption(kSpiBoxCaptions[at]);
        box.setTag(kSpiBase + bit);
        hinted(box, kSpiBoxHints[at]);
        p.boxes[at] = &box;
    }
    p.bitsPanel = &s.addPlain(ControlKind::Panel, kSpiBitsPanel, p.groupBox, "8 bits per transfer");
    p.bitsPanel->setTag(kSpiBase + kSpiBitsPanelOffset);
    p.bits = &s.add<ComboBox>(kSpiBitsCombo, p.groupBox);
    p.bits->setItems(lengthItems(8, kSpiLengthItems));
    p.bits->setItemIndex(kSpiDefaultLength);
    p.bits->setEnabled(false);
    p.bits->setTag(kSpiBase + kSpiBitsComboOffset);
    hinted(*p.bits, "SPCR[11:8] BITS, bits per transfer while BitEnable is set");
    p.mode = &s.add<ComboBox>(kSpiModeCombo, p.groupBox);
    p.mode->setItems({kModeItems.begin(), kModeItems.end()});
    p.mode->setItemIndex(0);
    p.mode->setTag(kSpiBase + kModeOffset);
    hinted(*p.mode, "SPI clock mode: sets CPOL and CPHA (mode = 2 x CPOL + CPHA)");
    p.counter = &dividerEdit(s, kSpiCounterEdit, p.groupBox, kSpiBase + kDividerEditOffset, kLowestDivider,
                             kHighestDivider, "8");
    hinted(*p.counter, "SPI counter, must be an even number higher or equal to 8. Right click to set freq.");
    p.clockLabel = &s.addPlain(ControlKind::Label, kSpiClockLabel, p.groupBox, "SPI clock :");
    p.clockLabel->setTag(kSpiBase + kClockLabelOffset);
    p.hintLabel = &s.addPlain(ControlKind::Label, kSpiHintLabel, p.groupBox);
    p.clock = addClockPanel(p.groupBox, {clockPanelName(0), clockDividerName(0), clockEditName(0), "SPI"},
                            ClockGroup::SerialPort, [this] { refreshPortFigure(0); });
    p.clock.divider->setTag(kDividerTag);
    p.coverPanel = &s.addPlain(ControlKind::Panel, kSpiCoverPanel, page, "SPI is disabled or not available");
    p.coverPanel->setTag(kSpiBase + kCoverPanelOffset);
}

void SpiPage::declareSsp(int ssp, Control* page) {
    auto& s = store();
    auto& p = ssps_.at(static_cast<std::size_t>(ssp));
    const int base = sspBase(ssp);
    const std::string n = std::to_string(ssp);
    const auto hinted = [&p](Control& c, std::string hint) {
        c.setHint(std::move(hint));
        p.hinted.push_back(&c);
    };
    const auto box = [&](const char* suffix, const char* caption, int offset, std::string hint) {
        auto& b = s.add<CheckBox>(sspControl(ssp, suffix), p.groupBox);
        b.setCaption(caption);
        b.setTag(base + offset);
        hinted(b, "SSP" + n + std::move(hint));
        return &b;
    };

    p.enableBox = &s.add<CheckBox>(sspControl(ssp, "_checkbox"), page);
    p.enableBox->setCaption("SSP" + n);
    p.enableBox->setTag(base + kEnableBoxOffset);
    p.groupBox = &s.addPlain(ControlKind::GroupBox, sspControl(ssp, "_GroupBox"), page);
    p.groupBox->setEnabled(false);
    p.helpButton =
        &s.addPlain(ControlKind::Button, sspControl(ssp, "modesHelp_SpeedButton"), p.groupBox, "SPI modes");
    p.helpButton->setTag(base + kHelpButtonOffset);
    p.helpButton->setVisible(false);

    p.dataSize = &s.add<ComboBox>(sspControl(ssp, "DSS_ComboBox"), p.groupBox);
    p.dataSize->setItems(lengthItems(4, kSspDataSizeItems));
    p.dataSize->setItemIndex(kSspDefaultDataSize);
    p.dataSize->setTag(base + kSspDataSizeOffset);
    hinted(*p.dataSize, "SSP" + n + "CR0[3:0] DSS, bits per frame");
    p.frameFormat = &s.add<ComboBox>(sspControl(ssp, "FRF_ComboBox"), p.groupBox);
    p.frameFormat->setItems({kFrameFormatItems.begin(), kFrameFormatItems.end()});
    p.frameFormat->setItemIndex(kDefaultFrameFormat);
    p.frameFormat->setTag(base + kSspFrameFormatOffset);
    hinted(*p.frameFormat, "SSP" + n + "CR0[5:4] FRF, frame format: SPI, TI SSI or Microwire");
    p.cpol = box("CPOL_CheckBox", "CPOL", kSspCpolOffset,
                 "CR0[6] CPOL, clock polarity (SPI frame format only): 1= SCK high between frames");
    p.cpol->setEnabled(false);
    p.cpha = box("CPHA_CheckBox", "CPHA", kSspCphaOffset,
                 "CR0[7] CPHA, clock phase (SPI frame format only): 1= data captured on the second edge");
    p.cpha->setEnabled(false);
    p.scr = &dividerEdit(s, sspControl(ssp, "SCR_edit"), p.groupBox, base + kSspScrOffset, 0, 255, "0");
    hinted(*p.scr, "SSP" + n +
                       "CR0[15:8] SCR, serial clock rate: bit clock = PCLK / (CPSDVSR x (SCR+1)). "
                       "Right click to set freq.");
    p.loopBack = box("LBM_CheckBox", "LBM", kSspLoopBackOffset,
                     "CR1[0] LBM, 1= loop-back mode: serial input is taken from the serial output");
    p.enable = box("SSE_CheckBox", "SSE", kSspEnableOffset,
                   "CR1[1] SSE, 1= the port is enabled once it is configured");
    p.slave = box("MS_CheckBox", "MS", kSspSlaveOffset, "CR1[2] MS, 1= slave mode, 0= master mode");
    p.slaveOutputOff = box("SOD_CheckBox", "SOD", kSspSlaveOutputOffOffset,
                           "CR1[3] SOD, slave output disable: 1= the slave does not drive MISO");
    p.slaveOutputOff->setEnabled(false);
    for (int bit = 0; bit < 4; ++bit) {
        const auto at = static_cast<std::size_t>(bit);
        p.interrupts[at] = box(kSspInterruptSuffixes[at], kSspInterruptCaptions[at],
                               kSspFirstInterruptOffset + bit, kSspInterruptHints[at]);
    }
    p.receiveDma = box("RXDMAE_CheckBox", "RXDMAE", kSspReceiveDmaOffset,
                       "DMACR[0] RXDMAE, 1= DMA for the receive FIFO");
    p.receiveDma->setVisible(false);
    p.transmitDma = box("TXDMAE_CheckBox", "TXDMAE", kSspTransmitDmaOffset,
                        "DMACR[1] TXDMAE, 1= DMA for the transmit FIFO");
    p.transmitDma->setVisible(false);
    p.mode = &s.add<ComboBox>(sspControl(ssp, "Mode_ComboBox"), p.groupBox);
    p.mode->setItems({kModeItems.begin(), kModeItems.end()});
    p.mode->setItemIndex(0);
    p.mode->setEnabled(false);
    p.mode->setTag(base + kModeOffset);
    hinted(*p.mode, "SSP" + n + " clock mode (SPI frame format only): sets CPOL and CPHA");
    p.prescale = &dividerEdit(s, sspControl(ssp, "CPSDVSR_edit"), p.groupBox, base + kDividerEditOffset,
                              kLowestDivider, kHighestDivider, "8");
    hinted(*p.prescale, "SSP" + n +
                            "CPSR CPSDVSR, clock prescale divisor, must be an even number higher or "
                            "equal to 8. Right click to set freq.");
    p.clockLabel = &s.addPlain(ControlKind::Label, sspControl(ssp, "clock_label"), p.groupBox, "SSP clock :");
    p.clockLabel->setTag(base + kClockLabelOffset);
    p.hintLabel = &s.addPlain(ControlKind::Label, sspControl(ssp, "Hint_Label"), p.groupBox);
    const int port = ssp + 1;
    p.clock = addClockPanel(
        p.groupBox,
        {clockPanelName(port), clockDividerName(port), clockEditName(port), "SSP" + std::to_string(ssp)},
        ClockGroup::SerialPort, [this, port] { refreshPortFigure(port); });
    p.clock.divider->setTag(kDividerTag);
    p.coverPanel = &s.addPlain(ControlKind::Panel, sspControl(ssp, "_Panel"), page,
                               "SSP" + n + " is disabled or not available");
    p.coverPanel->setTag(base + kCoverPanelOffset);
}

void SpiPage::connectSpi() {
    auto& p = spi_;
    connectUnitSwitch(p, [this] { refreshPortFigure(0); });
    connectHints(p, [this] { groupBoxMouseMove(); });
    p.bitEnable()->changed.connect([this](Control&) { bitEnableClick(); });
    for (Control* sender :
         {static_cast<Control*>(p.mode), static_cast<Control*>(p.cpol()), static_cast<Control*>(p.cpha())})
        sender->changed.connect([this](Control& c) { modeChange(c); });
    p.counter->changed.connect([this](Control&) { refreshSpiClock(); });
    p.counter->editingFinished.connect([this](NumericEdit& e) { evenDividerExit(e); });
}

void SpiPage::connectSsp(int ssp) {
    auto& p = ssps_.at(static_cast<std::size_t>(ssp));
    connectUnitSwitch(p, [this, ssp] { refreshPortFigure(ssp + 1); });
    connectHints(p, [this] { groupBoxMouseMove(); });
    for (Control* sender :
         {static_cast<Control*>(p.mode), static_cast<Control*>(p.cpol), static_cast<Control*>(p.cpha)})
        sender->changed.connect([this](Control& c) { modeChange(c); });
    p.frameFormat->changed.connect([this, ssp](Control&) { frameFormatChange(ssp); });
    p.slave->changed.connect([this, ssp](Control&) { masterSlaveClick(ssp); });
    p.prescale->changed.connect([this, ssp](Control&) { refreshSspClock(ssp); });
    p.scr->changed.connect([this, ssp](Control&) { refreshSspClock(ssp); });
    p.prescale->editingFinished.connect([this](NumericEdit& e) { evenDividerExit(e); });
}

void SpiPage::addPopupRows() {
    // The dividers take no decimal prompt: they are decimal already. Every one of them is a
    // target of the calculator; an SSP edit gets the whole divider pair.
    const auto row = [this](NumericEdit* edit, int port) {
        auto r = EditPopupRow::plainRegister(edit);
        r.decimalPrompt = false;
        r.frequencyCalculator = [] { return FrequencyCalculator::Offered; };
        r.calculatorTarget = true;
        // The dividers divide the clock by their own value: no subtract-one.
        r.frequencyStart = [this, port] {
            CalculatorStart start = dividerStart(portClockEdit(port), 0, kHighestDivider);
            start.dividerPair = port > 0;
            return std::optional<CalculatorStart>(start);
        };
        return r;
    };
    auto counter = row(spi_.counter, 0);
    counter.apply = [edit = spi_.counter](const CalculatorAnswer& answer) {
        // The value goes in as the calculator shows it (the edit keeps it within 8..254); a
        // negative one leaves the counter alone.
        if (answerValue(answer).value_or(0) >= 0)
            edit->setText(answer.value);
    };
    addEditPopupRow(std::move(counter));
    addSteppedEdit(spi_.counter, StepGroup::EvenDivider);
    for (int n = 0; n < kSspCount; ++n) {
        const auto& p = ssps_.at(static_cast<std::size_t>(n));
        // Either edit of a port applies the whole pair found.
        for (NumericEdit* edit : {p.scr, p.prescale}) {
            auto pair = row(edit, n + 1);
            pair.apply = [prescale = p.prescale, scr = p.scr](const CalculatorAnswer& answer) {
                prescale->setValueFromInt64(answer.prescale);
                scr->setValueFromInt64(answer.rate);
            };
            addEditPopupRow(std::move(pair));
        }
        addSteppedEdit(p.scr, StepGroup::ByOne);
        addSteppedEdit(p.prescale, StepGroup::EvenDivider);
    }
}

void SpiPage::reset() {
    coverUnit(spi_);
    coverUnits(ssps_);
    resetSpi();
    for (int n = 0; n < kSspCount; ++n)
        resetSsp(n);
}

void SpiPage::resetSpi() {
    // Each change runs its handler as a click would, so the port stays consistent.
    for (CheckBox* box : spi_.boxes)
        box->setChecked(false);
    spi_.enableBox->setChecked(false);
    spi_.bitsPanel->setVisible(true);
    spi_.bits->setItemIndex(kSpiDefaultLength);
    spi_.mode->setItemIndex(0);
    spi_.counter->setText("8");
}

void SpiPage::resetSsp(int ssp) {
    auto& p = ssps_.at(static_cast<std::size_t>(ssp));
    for (CheckBox* box : {p.loopBack, p.enable, p.slave, p.enableBox})
        box->setChecked(false);
    for (CheckBox* box : p.interrupts)
        box->setChecked(false);
    for (CheckBox* box : {p.cpol, p.cpha, p.slaveOutputOff}) {
        box->setChecked(false);
        box->setEnabled(false);
    }
    for (CheckBox* box : {p.receiveDma, p.transmitDma}) {
        box->setChecked(false);
        box->setVisible(false);
    }
    p.frameFormat->setItemIndex(kDefaultFrameFormat);
    p.dataSize->setItemIndex(kSspDefaultDataSize);
    p.mode->setItemIndex(0);
    p.mode->setEnabled(false);
    p.helpButton->setVisible(false);
    p.prescale->setText("8");
    p.scr->setText("0");
}

void SpiPage::loadProfile() {
    const auto& lines = device().profileLines;
    const SerialPortSection spiSection = readSpiSection(lines);
    spi_.groupBox->setVisible(spiSection.present);
    spi_.enableBox->setVisible(spiSection.present);
    if (spiSection.present)
        spi_.bitEnable()->setEnabled(!spiSection.marked);
    for (int n = 0; n < kSspCount; ++n) {
        auto& p = ssps_.at(static_cast<std::size_t>(n));
        const SerialPortSection section = readSspSection(lines, n);
        p.enableBox->setVisible(section.present);
        p.groupBox->setVisible(section.present);
        if (section.present && section.marked) {
            p.receiveDma->setVisible(true);
            p.transmitDma->setVisible(true);
        }
    }
}

void SpiPage::refreshFigures() {
    refreshSpiClock();
    for (int n = 0; n < kSspCount; ++n)
        refreshSspClock(n);
}

void SpiPage::refreshPortFigure(int port) {
    if (port == 0)
        refreshSpiClock();
    else
        refreshSspClock(port - 1);
}

void SpiPage::generate(ResultLists& lists) const {
    if (spi_.enableBox->checked())
        SpiGenerator(device()).generate(spi_, lists);
    const SspGenerator generator(device());
    for (int n = 0; n < kSspCount; ++n)
        generator.generate(n, ssps_.at(static_cast<std::size_t>(n)), lists);
}

bool SpiPage::usesGpdma() const {
    for (const auto& p : ssps_)
        if (p.receiveDma->checked() || p.transmitDma->checked())
            return true;
    return false;
}

const NumericEdit& SpiPage::portClockEdit(int port) const {
    return port == 0 ? unitClock(spi_) : unitClock(ssps_.at(static_cast<std::size_t>(port - 1)));
}

void SpiPage::bitEnableClick() {
    const bool custom = spi_.bitEnable()->checked();
    spi_.bits->setEnabled(custom);
    spi_.bitsPanel->setVisible(!custom);
    if (!custom)
        spi_.bits->setItemIndex(kSpiDefaultLength);
}

void SpiPage::modeChange(Control& sender) {
    const int port = portOfTag(sender.tag());
    if (port == -2)
        return;
    const bool fromCombo = sender.tag() % 100 == kModeOffset;
    if (port == -1) {
        applyMode(*spi_.mode, *spi_.cpol(), *spi_.cpha(), fromCombo);
        return;
    }
    auto& p = ssps_.at(static_cast<std::size_t>(port));
    applyMode(*p.mode, *p.cpol, *p.cpha, fromCombo);
}

void SpiPage::applyMode(ComboBox& mode, CheckBox& cpol, CheckBox& cpha, bool fromCombo) {
    model::MuteGuard muteMode(mode);
    model::MuteGuard muteCpol(cpol);
    model::MuteGuard muteCpha(cpha);
    if (fromCombo) {
        const int index = mode.itemIndex();
        cpha.setChecked(index == 1 || index == 3);
        cpol.setChecked(index == 2 || index == 3);
    } else {
        mode.setItemIndex(static_cast<int>(cpha.checked()) + 2 * static_cast<int>(cpol.checked()));
    }
}

void SpiPage::frameFormatChange(int ssp) {
    auto& p = ssps_.at(static_cast<std::size_t>(ssp));
    const bool spiFormat = p.frameFormat->itemIndex() == 0;
    p.cpha->setEnabled(spiFormat);
    p.cpol->setEnabled(spiFormat);
    p.mode->setEnabled(spiFormat);
    p.helpButton->setVisible(spiFormat);
    if (!spiFormat) {
        {
            model::MuteGuard guard(*p.mode);
            p.mode->setItemIndex(0);
        }
        modeChange(*p.mode);
    }
}

void SpiPage::masterSlaveClick(int ssp) {
    auto& p = ssps_.at(static_cast<std::size_t>(ssp));
    const bool slave = p.slave->checked();
    p.slaveOutputOff->setEnabled(slave);
    if (!slave)
        p.slaveOutputOff->setChecked(false);
}

void SpiPage::refreshSpiClock() {
    const std::int64_t value = spi_.counter->valueAsInt64();
    if (value < kLowestDivider || value > kHighestDivider)
        return;
    const double mhz = portClockEdit(0).valueAsFloat();
    const auto hz = static_cast<float>(mhz * 1000000.0 / static_cast<double>(value));
    spi_.bitRate.hz = hz;
    spi_.clockLabel->setCaption(spi_.bitRate.caption());
}

void SpiPage::refreshSspClock(int ssp) {
    auto& p = ssps_.at(static_cast<std::size_t>(ssp));
    const std::int64_t prescale = p.prescale->valueAsInt64();
    if (prescale < kLowestDivider || prescale > kHighestDivider)
        return;
    // SCR is 0..255 in the edit; the divisor never reaches zero.
    const std::int64_t divisor = prescale * (p.scr->valueAsInt64() + 1);
    if (divisor <= 0)
        return;
    const double mhz = portClockEdit(ssp + 1).valueAsFloat();
    const auto hz = static_cast<float>(mhz * 1000000.0 / static_cast<double>(divisor));
    p.bitRate.hz = hz;
    p.clockLabel->setCaption(p.bitRate.caption());
}

void SpiPage::evenDividerExit(NumericEdit& edit) {
    const std::int64_t value = edit.valueAsInt64();
    if (value <= 0 || value % 2 == 0)
        return;
    edit.setValueFromInt64(value + 1 >= 255 ? kHighestDivider : value + 1);
}

void SpiPage::groupBoxMouseMove() {
    spi_.hintLabel->setCaption("");
    for (auto& p : ssps_)
        p.hintLabel->setCaption("");
}

} // namespace regforge::periph::spi

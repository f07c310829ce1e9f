#include "periph/clock/ClocksPage.h"

#include "model/NumberText.h"
#include "periph/clock/ClockCodeGenerator.h"
#include "periph/clock/PeripheralDividers.h"
#include "profile/RegisterNames.h"

#include <algorithm>
#include <cmath>

namespace regforge::periph::clock {

using model::CheckBox;
using model::ComboBox;
using model::Control;
using model::ControlKind;
using model::NumericEdit;

namespace {

// The typed clocks may go well past any part's limits: the page says what is wrong with them.
constexpr int kMostTypedMhz = 1000;
// A no-break space in the code page the captions are held in.
constexpr char kNoBreakSpace = '\xA0';
// "»" in the same code page: one character, so the tree never breaks inside its arrows.
constexpr const char* kTreeArrow = "\xA0\xBB ";

// ", CPU / 3", or nothing where the part has no CPU clock divider.
std::string cpuDividerText(const ClockFacts& facts, const PllSetting& s) {
    return facts.cpuDividers == ValueList{1} ? std::string() : ", CPU / " + std::to_string(s.cpuDivider);
}

std::string settingText(const ClockFacts& facts, const PllSetting& s) {
    std::string text =
        "M " + std::to_string(s.m) +
        (facts.pll == PllKind::MN ? ", N " + std::to_string(s.n) : ", P " + std::to_string(s.p)) +
        cpuDividerText(facts, s) + ": " + frequencyText(s.cpu) + ", CCO " + frequencyText(s.cco) + ", " +
        (s.exact ? std::string("exact") : ppmText(s.errorPpm));
    if (s.usb)
        text += s.usb->exact ? ", USB 48 MHz" : ", USB not 48 MHz";
    return text;
}

// One segment of the clock tree: its spaces do not break.
std::string segment(std::string text) {
    std::replace(text.begin(), text.end(), ' ', kNoBreakSpace);
    return text;
}

std::string nameOf(const ClockFacts& facts, const PllSetting& s) {
    return "M " + std::to_string(s.m) +
           (facts.pll == PllKind::MN ? ", N " + std::to_string(s.n) : ", P " + std::to_string(s.p)) +
           ", CPU / " + std::to_string(s.cpuDivider);
}

SourceKind kindOf(int item) {
    return item == kIrcItem   ? SourceKind::Irc
           : item == kRtcItem ? SourceKind::Rtc
                              : SourceKind::MainOscillator;
}

void colour(Control& label, bool bad) {
    label.setFontColour(bad ? model::kRed : model::kDefaultColour);
}

} // namespace

ClocksPage::ClocksPage(PageContext& context) : Page(context) {
    declareControls(store().find(kTab.name));
    connectHandlers();
}

void ClocksPage::declareControls(Control* page) {
    auto& s = store();
    const auto label = [&](const char* name, const char* caption) {
        auto* l = &s.addPlain(ControlKind::Label, name, frame_.groupBox, caption);
        own_.push_back(l);
        return l;
    };
    const auto clockEdit = [&](const char* name, const char* text) {
        auto& edit = s.add<NumericEdit>(name, frame_.groupBox);
        edit.setValueKind(model::ValueKind::Float);
        edit.setMaximumValue(kMostTypedMhz);
        edit.setMaxLength(10);
        edit.setText(text);
        own_.push_back(&edit);
        return &edit;
    };

    frame_.enableBox = &s.add<CheckBox>(kEnableBox, page);
    frame_.enableBox->setCaption(kEnableCaption);
    own_.push_back(frame_.enableBox);
    frame_.groupBox = &s.addPlain(ControlKind::GroupBox, kGroupBox, page);
    frame_.groupBox->setEnabled(false);
    own_.push_back(frame_.groupBox);

    label(kSourceLabel, kSourceLabelCaption);
    source_ = &s.add<ComboBox>(kSourceCombo, frame_.groupBox);
    source_->setItems({kSourceItems.begin(), kSourceItems.end()});
    source_->setItemIndex(kMainOscillatorItem);
    own_.push_back(source_);
    label(kCrystalLabel, kCrystalLabelCaption);
    crystal_ = clockEdit(kCrystalEdit, kCrystalDefault);
    label(kCrystalUnit, kUnitCaption);
    label(kWantedLabel, kWantedLabelCaption);
    wanted_ = clockEdit(kWantedEdit, "60");
    label(kWantedUnit, kUnitCaption);
    label(kSolutionsLabel, kSolutionsLabelCaption);
    settings_ = &s.add<ComboBox>(kSolutionsList, frame_.groupBox);
    own_.push_back(settings_);
    usb_ = &s.add<CheckBox>(kUsbBox, frame_.groupBox);
    usb_->setCaption(kUsbCaption);
    own_.push_back(usb_);

    inputFigure_ = label(kInputFigure, "Input:");
    ccoFigure_ = label(kCcoFigure, "CCO:");
    cpuFigure_ = label(kCpuFigure, "CPU:");
    usbFigure_ = label(kUsbFigure, "USB:");
    pclkFigure_ = label(kPclkFigure, "Peripherals:");
    flashFigure_ = label(kFlashFigure, "Flash:");
    tree_ = label(kTreeLabel, "");
    status_ = label(kStatusLabel, "");
    status_->setFontColour(model::kRed);
    status_->setVisible(false);
    limit_ = label(kLimitLabel, "");

    frame_.coverPanel = &s.addPlain(ControlKind::Panel, kCoverPanel, page, kCoverCaption);
    own_.push_back(frame_.coverPanel);
}

void ClocksPage::connectHandlers() {
    connectUnitSwitch(frame_, [this] { enableClick(); });
    for (Control* input : std::initializer_list<Control*>{source_, crystal_, wanted_, usb_})
        input->changed.connect([this](Control&) {
            // While a file is restored, the load corrections solve once at the end.
            if (on() && !restoring_)
                resolve();
        });
    settings_->changed.connect([this](Control&) { settingChange(); });
}

bool ClocksPage::isOwn(const Control& control) const {
    return std::find(own_.begin(), own_.end(), &control) != own_.end();
}

void ClocksPage::reset() {
    {
        model::MuteGuard guard(*frame_.enableBox);
        frame_.enableBox->setChecked(false);
    }
    coverUnit(frame_);
    context().clocks.setCpuClockFixed(false);
    model::MuteGuard sourceGuard(*source_);
    model::MuteGuard crystalGuard(*crystal_);
    model::MuteGuard wantedGuard(*wanted_);
    model::MuteGuard usbGuard(*usb_);
    model::MuteGuard settingsGuard(*settings_);
    source_->setItemIndex(kMainOscillatorItem);
    crystal_->setText(kCrystalDefault);
    wanted_->setText("60");
    usb_->setChecked(false);
    settings_->clearItems();
    solution_ = {};
    loaded_.reset();
    facts_.reset();
    colour(*crystal_, false);
    colour(*wanted_, false);
    clearFigures();
    for (Control* label : {status_, limit_})
        label->setCaption("");
    status_->setVisible(false);
}

void ClocksPage::clearFigures() {
    figures_ = {};
    for (Control* label : {inputFigure_, ccoFigure_, cpuFigure_, usbFigure_, pclkFigure_, flashFigure_})
        colour(*label, false);
    inputFigure_->setCaption("Input:");
    ccoFigure_->setCaption("CCO:");
    cpuFigure_->setCaption("CPU:");
    usbFigure_->setCaption("USB:");
    pclkFigure_->setCaption("Peripherals:");
    flashFigure_->setCaption("Flash:");
    tree_->setCaption("");
}

void ClocksPage::loadProfile() {
    // The units' dividers are declared by the pages after this one: their changes move the
    // peripheral figures too.
    if (!unitDividersFollowed_) {
        unitDividersFollowed_ = true;
        for (const auto& unit : clockChain().units()) {
            unit.divider->changed.connect([this](Control&) { refreshFigures(); });
            if (unit.onlyWhileOn != nullptr)
                unit.onlyWhileOn->changed.connect([this](Control&) { refreshFigures(); });
        }
    }
    facts_ = readClockFacts(device().profileLines);
    frame_.enableBox->setVisible(facts_.has_value());
    usb_->setVisible(facts_ && facts_->usb.has_value());
    usbFigure_->setVisible(facts_ && facts_->usb.has_value());
    limit_->setCaption(facts_ ? facts_->limit : std::string());
}

void ClocksPage::enableClick() {
    context().clocks.setCpuClockFixed(on());
    if (!on()) {
        showStatus();
        return;
    }
    // A loaded file restores its own wanted clock, and the load solves once all is restored.
    if (restoring_)
        return;
    // The page starts from the clock the user typed.
    {
        model::MuteGuard guard(*wanted_);
        wanted_->setText(model::formatGeneral(clockChain().cpuMhz()));
    }
    resolve();
}

std::optional<double> ClocksPage::sourceHz(SourceKind kind) const {
    if (!facts_)
        return std::nullopt;
    switch (kind) {
    case SourceKind::Irc:
        return facts_->irc;
    case SourceKind::Rtc:
        return facts_->rtc;
    case SourceKind::MainOscillator:
        break;
    }
    return crystal_->valueAsFloat() * 1e6;
}

ClockRequest ClocksPage::request() const {
    ClockRequest r;
    r.source.kind = kindOf(source_->itemIndex());
    r.source.hz = sourceHz(r.source.kind).value_or(0);
    r.wantedHz = wanted_->valueAsFloat() * 1e6;
    r.usb = usb_->checked() && facts_ && facts_->usb;
    return r;
}

void ClocksPage::resolve() {
    if (!facts_)
        return;
    solution_ = solveClocks(*facts_, request());
    fillSettings();
    settingChange();
}

void ClocksPage::fillSettings() {
    std::vector<std::string> items;
    for (const auto& s : solution_.settings)
        items.push_back(settingText(*facts_, s));
    model::MuteGuard guard(*settings_);
    settings_->setItems(items);
    settings_->setItemIndex(items.empty() ? -1 : 0);
}

std::optional<PllSetting> ClocksPage::chosen() const {
    const int index = settings_->itemIndex();
    if (!on() || index < 0 || index >= static_cast<int>(solution_.settings.size()))
        return std::nullopt;
    return solution_.settings[static_cast<std::size_t>(index)];
}

void ClocksPage::settingChange() {
    if (const auto s = chosen())
        context().clocks.setCpuClock(s->cpu / 1e6);
    showStatus();
    refreshFigures();
}

void ClocksPage::showStatus() {
    std::vector<std::string> problems;
    const ClockRequest r = request();
    if (facts_ && on()) {
        if (r.source.hz <= 0)
            problems.push_back(
                "This part's PLL cannot take the " +
                std::string(kSourceItems[static_cast<std::size_t>(std::max(0, source_->itemIndex()))]));
        else if (solution_.inputOutOfRange)
            problems.push_back("The crystal must be " + frequencyText(facts_->crystal.min) + " .. " +
                               frequencyText(facts_->crystal.max) + ": the settings are worked for " +
                               frequencyText(usableSource(*facts_, r.source).hz));
        if (solution_.wantedAboveMax)
            problems.push_back("The CPU clock is at most " + frequencyText(facts_->cpuMax) +
                               " on this part: the closest below is offered");
        if (solution_.settings.empty() && r.source.hz > 0)
            problems.push_back("No PLL setting keeps the clocks in range from this input");
        else if (solution_.noExact && !solution_.settings.empty())
            problems.push_back("No setting gives the wanted clock exactly: the closest are offered");
        if (r.usb && solution_.usbNotExact)
            problems.push_back("No setting makes the USB clock 48 MHz exactly");
    }
    std::string text;
    for (const auto& p : problems)
        text += (text.empty() ? "" : "; ") + p;
    status_->setCaption(text);
    // Nothing to say takes no room on the page.
    status_->setVisible(!text.empty());
    // The edits holding what the solver had to give way on are red too.
    colour(*crystal_, on() && r.source.kind == SourceKind::MainOscillator && solution_.inputOutOfRange);
    colour(*wanted_, on() && solution_.wantedAboveMax);
}

void ClocksPage::refreshFigures() {
    const auto s = chosen();
    if (!s || !facts_) {
        // Nothing is chosen: no figure of an earlier setting stays on show.
        if (on())
            clearFigures();
        else
            figures_ = {};
        return;
    }
    figures_.input = usableSource(*facts_, request().source).hz;
    figures_.cco = s->cco;
    figures_.cpu = s->cpu;
    figures_.usb = s->usb ? std::optional<double>(s->usb->hz) : std::nullopt;
    figures_.peripheral = clockChain().commonMhz() * 1e6;
    figures_.flashClocks = facts_->flashClocks(s->cpu);

    inputFigure_->setCaption("Input: " + frequencyText(figures_.input));
    colour(*inputFigure_, solution_.inputOutOfRange);
    ccoFigure_->setCaption("CCO: " + frequencyText(figures_.cco));
    colour(*ccoFigure_, !facts_->cco.contains(figures_.cco));
    cpuFigure_->setCaption("CPU: " + frequencyText(figures_.cpu));
    colour(*cpuFigure_, figures_.cpu > facts_->cpuMax);
    const bool usbWanted = request().usb;
    usbFigure_->setCaption(figures_.usb ? "USB: " + frequencyText(*figures_.usb)
                                        : std::string(usbWanted ? "USB: cannot be made" : "USB: off"));
    colour(*usbFigure_, usbWanted && !(s->usb && s->usb->exact));
    std::string peripherals = "Peripherals: " + frequencyText(figures_.peripheral);
    // The units the clock code gives dividers of their own, with the clock they count from.
    for (const auto& field : facts_->unitDividers)
        if (const auto divisor = ownDivisor(field.unit); divisor && *divisor > 0)
            peripherals += ", " + field.unit + " " + frequencyText(figures_.cpu / *divisor);
    pclkFigure_->setCaption(peripherals);
    flashFigure_->setCaption("Flash: " + std::to_string(figures_.flashClocks) + " CPU clock" +
                             (figures_.flashClocks == 1 ? "" : "s") + " per access");
    colour(*flashFigure_, !facts_->flashCovers(figures_.cpu));
    const bool mn = facts_->pll == PllKind::MN;
    const std::string cpuFrom =
        facts_->cpuDividers == ValueList{1}
            ? std::string()
            : " (" + std::string(mn ? "CCO" : "PLL output") + " / " + std::to_string(s->cpuDivider) + ")";
    tree_->setCaption(
        segment(std::string(kSourceItems[static_cast<std::size_t>(std::max(0, source_->itemIndex()))]) + " " +
                frequencyText(figures_.input)) +
        kTreeArrow + segment("PLL (CCO " + frequencyText(figures_.cco) + ")") + kTreeArrow +
        segment("CPU " + frequencyText(figures_.cpu) + cpuFrom) + kTreeArrow +
        segment("peripherals " + frequencyText(figures_.peripheral)));
}

int ClocksPage::commonDivisor() const {
    return divisorOf(clockChain().commonDivider().text()).value_or(1);
}

std::optional<int> ClocksPage::ownDivisor(const std::string& unit) const {
    for (const auto& panel : clockChain().units())
        if (panel.unit == unit && panel.ownDividerWritten(device()))
            return divisorOf(panel.divider->text());
    return std::nullopt;
}

void ClocksPage::generate(ResultLists& lists) const {
    const auto s = chosen();
    if (!s || !facts_)
        return;
    ClockBlockInput input{*facts_, usableSource(*facts_, request().source), *s, {}, clockChain().commonMhz()};
    input.dividers =
        dividerWrites(*facts_, commonDivisor(), [this](const std::string& unit) { return ownDivisor(unit); });
    const auto names = profile::RegisterNames::fromProfile(device().profileLines);
    const auto block = clockBlock(input, names);
    // The clock comes first in `main`: every later line runs at the clock its figures assume.
    lists.mainLines.insert(lists.mainLines.begin(), block.begin(), block.end());
}

bool ClocksPage::saveRecord(const Control& control, SavedLines& out) const {
    if (!isOwn(control))
        return false;
    // Off, the page leaves no trace in the file, so files saved without it stay as they were.
    if (!frame_.enableBox->checked())
        return true;
    if (&control != settings_)
        return false;
    const auto s = chosen();
    out.push_back(recordHeader(control.name()));
    out.push_back(std::to_string(s ? s->m : 0));
    out.push_back(std::to_string(s ? s->n + s->p : 0));
    out.push_back(std::to_string(s ? s->cpuDivider : 0));
    return true;
}

void ClocksPage::beforeRestore() {
    restoring_ = true;
    loaded_.reset();
}

bool ClocksPage::restoreRecord(Control& control, const SavedRecord& record) {
    if (&control != settings_)
        return false;
    PllSetting s;
    s.m = record.integer(1);
    (facts_ && facts_->pll == PllKind::MN ? s.n : s.p) = record.integer(2);
    s.cpuDivider = record.integer(3);
    loaded_ = s;
    return true;
}

void ClocksPage::afterRestore() {
    restoring_ = false;
}

void ClocksPage::correctLoadedSetup(LoadCorrections& corrections) {
    const auto saved = loaded_;
    loaded_.reset();
    if (!on())
        return;
    if (!sourceHz(kindOf(source_->itemIndex())).has_value()) {
        corrections.clockSetupsResolved.push_back(
            std::string(kSourceItems[static_cast<std::size_t>(std::max(0, source_->itemIndex()))]) +
            " (not on this part)");
        model::MuteGuard guard(*source_);
        source_->setItemIndex(kMainOscillatorItem);
    }
    solution_ = solveClocks(*facts_, request());
    const std::optional<PllSetting> reached = saved ? checkSetting(*facts_, request(), *saved) : std::nullopt;
    auto& list = solution_.settings;
    auto it = list.end();
    if (reached) {
        it = std::find_if(list.begin(), list.end(),
                          [&](const PllSetting& s) { return s.sameSetting(*reached); });
        if (it == list.end())
            it = list.insert(list.begin(), *reached);
    } else if (saved) {
        corrections.clockSetupsResolved.push_back(nameOf(*facts_, *saved));
    }
    const int index = it == list.end() ? 0 : static_cast<int>(it - list.begin());
    fillSettings();
    {
        model::MuteGuard guard(*settings_);
        settings_->setItemIndex(list.empty() ? -1 : index);
    }
    settingChange();
}

} // namespace regforge::periph::clock

#include "gui/pages/IoPageView.h"

#include "gui/pages/ViewParts.h"
#include "gui/widgets/CaptionPanel.h"
#include "gui/widgets/ClearTextAction.h"
#include "gui/widgets/PinLegend.h"
#include "periph/io/IoControls.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace regforge::gui::pages {

namespace {
constexpr int kOpenDrainPanelWidth = 210;
} // namespace

IoPageView::IoPageView(const binding::Binder& binder) : PageView(binder, periph::io::kTab.name) {}

void IoPageView::arrangeContent(QVBoxLayout* body) {
    arrangeDeviceBar(body);

    // The content and the warning panel share one cell; the panel lies on top.
    auto* cell = new QGridLayout;
    cell->setContentsMargins(0, 0, 0, 0);
    content_ = new QVBoxLayout;
    content_->setContentsMargins(0, 0, 0, 0);
    content_->setSpacing(6);
    cell->addLayout(content_, 0, 0);
    auto* warning = takeAs<widgets::CaptionPanel>("IO_warning_panel");
    warning->setFrameShape(QFrame::StyledPanel);
    warning->setFrameShadow(QFrame::Sunken);
    warning->setAutoFillBackground(true);
    QFont font = warning->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    warning->setFont(font);
    cell->addWidget(warning, 0, 0);
    warning_ = warning;
    body->addLayout(cell, 1);

    arrangePins();
}

void IoPageView::arrangeDeviceBar(QVBoxLayout* body) {
    // Two rows with their buttons in columns:
    //   Device          [filter][device list] [Load profile      ] [Show MCU]
    //   Configuration   [Load configuration] [Save configuration]
    auto* bar = new QGridLayout;
    bar->setHorizontalSpacing(8);
    bar->setVerticalSpacing(6);
    bar->addWidget(new QLabel(QObject::tr("Device")), 0, 0);
    auto* devices = takeAs<QComboBox>("mcu_ComboBox");
    // Room for a part name ("LPC2148") with some to spare; the rest of the row goes to the filter.
    devices->setMinimumContentsLength(10);
    devices->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // As wide as the loaded device's name needs in bold, whether the name shows bold or not:
    // the buttons beside the list stay where they are when a device loads.
    const QFont plain = devices->font();
    QFont bold = plain;
    bold.setBold(true);
    devices->setFont(bold);
    devices->setFixedWidth(devices->sizeHint().width());
    devices->setFont(plain);
    auto* filter = takeAs<QLineEdit>("mcu_FilterEdit");
    filter->setPlaceholderText(QObject::tr("filter"));
    widgets::addClearTextAction(*filter);
    // A typed part of a name stays readable beside the clear button.
    filter->setMinimumWidth(filter->fontMetrics().horizontalAdvance(QStringLiteral("LPC214")) + 28);
    filter->setMaximumWidth(110);
    auto* pick = new QHBoxLayout;
    pick->setSpacing(4);
    pick->addWidget(filter);
    pick->addWidget(devices, 1);
    bar->addLayout(pick, 0, 1);
    bar->addWidget(take("LoadProfileBitBtn"), 0, 2);
    bar->addWidget(take("ShowPicture"), 0, 3);
    bar->addWidget(new QLabel(QObject::tr("Configuration")), 1, 0);
    bar->addWidget(take("LoadConfigButton"), 1, 1);
    bar->addWidget(take("SaveConfigButton"), 1, 2);
    bar->setColumnStretch(4, 1);
    body->addLayout(bar);

    addSeparator(body);
}

//   [pin tree                          |open-drain panel]
//   Pins       In  Out  I only  O only  Alt.func
//   Pull mode  Pull-up  Pull-down  Repeater  No res
//   [Fast IO] [Open Drain]                [Quick selector]
void IoPageView::arrangePins() {
    auto* treeCell = new QGridLayout;
    treeCell->setContentsMargins(0, 0, 0, 0);
    treeCell->addWidget(take("IO_Treeview"), 0, 0);
    treeCell->addWidget(arrangeOpenDrainPanel(), 0, 0, Qt::AlignRight);
    content_->addLayout(treeCell, 1);

    content_->addWidget(new widgets::PinLegend);

    auto* options = new QHBoxLayout;
    options->setContentsMargins(0, 2, 0, 0);
    options->setSpacing(8);
    options->addLayout(arrangeFastIo());
    options->addWidget(take("OpenDrainButton"));
    options->addStretch(1);
    options->addWidget(take("QuickSelectorButton"));
    content_->addLayout(options);
}

QWidget* IoPageView::arrangeOpenDrainPanel() {
    QWidget* panel = take("OpenDrainPanel");
    if (auto* frame = qobject_cast<QFrame*>(panel)) {
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Raised);
    }
    panel->setAutoFillBackground(true);
    panel->setFixedWidth(kOpenDrainPanelWidth);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(6);
    QWidget* label = take("OpenDrainLabel");
    if (auto* text = qobject_cast<QLabel*>(label))
        text->setWordWrap(true);
    column->addWidget(label);
    column->addWidget(take("OpenDrainCheckListBox"), 1);
    openDrainPanel_ = panel;
    return panel;
}

// The coloured frame lies behind the check box, a little larger all round.
QLayout* IoPageView::arrangeFastIo() {
    auto* cell = new QGridLayout;
    cell->setContentsMargins(0, 0, 0, 0);
    QWidget* frame = take("Shape1");
    QWidget* fastIo = take("FIO_checkbox");
    if (auto* shape = qobject_cast<QFrame*>(frame))
        shape->setFrameShape(QFrame::StyledPanel);
    frame->setFixedSize(fastIo->sizeHint() + QSize(16, 8));
    cell->addWidget(frame, 0, 0);
    cell->addWidget(fastIo, 0, 0, Qt::AlignCenter);
    fastIo_ = fastIo;
    return cell;
}

QBoxLayout* IoPageView::restLayout(QVBoxLayout* /*body*/) {
    return content_;
}

void IoPageView::finishArrangement() {
    fastIo_->raise();
    openDrainPanel_->raise();
    warning_->raise();
}

} // namespace regforge::gui::pages

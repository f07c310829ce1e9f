#include "gui/pages/IoPageView.h"

#include "gui/widgets/CaptionPanel.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace regforge::gui::pages {

IoPageView::IoPageView(const binding::Binder& binder) : PageView(binder, "IO_page") {}

void IoPageView::arrangeContent(QVBoxLayout* body) {
    // Two rows with their buttons in columns:
    //   Device          [device list    ] [Load profile      ] [Show MCU]
    //   Configuration   [Load configuration] [Save configuration]
    auto* bar = new QGridLayout;
    bar->setHorizontalSpacing(8);
    bar->setVerticalSpacing(6);
    bar->addWidget(new QLabel(QObject::tr("Device")), 0, 0);
    auto* devices = takeAs<QComboBox>("mcu_ComboBox");
    devices->setMinimumContentsLength(14);
    devices->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    bar->addWidget(devices, 0, 1);
    bar->addWidget(take("LoadProfileBitBtn"), 0, 2);
    bar->addWidget(take("ShowPicture"), 0, 3);
    bar->addWidget(new QLabel(QObject::tr("Configuration")), 1, 0);
    bar->addWidget(take("LoadConfigButton"), 1, 1);
    bar->addWidget(take("SaveConfigButton"), 1, 2);
    bar->setColumnStretch(4, 1);
    body->addLayout(bar);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    body->addWidget(line);

    // The content and the warning panel share one cell; the panel lies on top.
    auto* cell = new QGridLayout;
    cell->setContentsMargins(0, 0, 0, 0);
    content_ = new QVBoxLayout;
    content_->setContentsMargins(0, 0, 0, 0);
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
}

QBoxLayout* IoPageView::restLayout(QVBoxLayout* /*body*/) {
    return content_;
}

void IoPageView::finishArrangement() {
    warning_->raise();
}

} // namespace regforge::gui::pages

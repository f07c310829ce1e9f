#include "gui/pages/ShellPanels.h"

#include "gui/binding/Binder.h"
#include "gui/widgets/CaptionPanel.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace regforge::gui::pages {

namespace {

// The about text's widest line, in average characters.
constexpr int kAboutColumns = 66;

// Room for the longest clock a field usually shows ("200.00000").
void sizeClockField(QWidget* field) {
    field->setFixedWidth(field->fontMetrics().horizontalAdvance("200.00000") + 12);
}

} // namespace

void arrangeClockBar(const binding::Binder& binder) {
    auto* bar = binder.widgetAs<widgets::CaptionPanel>("ClockPanel");
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(10, 4, 10, 4);
    row->setSpacing(6);

    row->addWidget(binder.widget("Label36"));
    QWidget* cpu = binder.widget("pllclock_edit");
    sizeClockField(cpu);
    row->addWidget(cpu);
    row->addWidget(binder.widget("Label37"));
    row->addSpacing(24);
    row->addWidget(binder.widget("Label4"));
    row->addWidget(binder.widget("pclk_div"));
    QWidget* pclock = binder.widget("pclock_edit");
    sizeClockField(pclock);
    row->addWidget(pclock);
    row->addWidget(binder.widget("Label3"));
    row->addStretch(1);
}

void arrangeAboutPanel(const binding::Binder& binder) {
    auto* about = binder.widgetAs<widgets::CaptionPanel>("about_panel");
    about->setFrameShape(QFrame::StyledPanel);
    about->setFrameShadow(QFrame::Raised);
    about->setAutoFillBackground(true);
    about->setBackgroundRole(QPalette::Base);
    auto* column = new QVBoxLayout(about);
    column->setContentsMargins(14, 12, 14, 12);
    auto* text = binder.widgetAs<QLabel>("about_label");
    // As wide as the widest line that fits over the page; longer lines wrap.
    text->setWordWrap(true);
    const int room = text->fontMetrics().averageCharWidth() * kAboutColumns;
    int width = 0;
    for (const QString& line : text->text().split(u'\n')) {
        const int advance = text->fontMetrics().horizontalAdvance(line);
        if (advance <= room)
            width = std::max(width, advance);
    }
    text->setFixedWidth(width > 0 ? width + 2 : room);
    column->addWidget(text);

    auto* button = binder.widgetAs<widgets::CaptionPanel>("about_button");
    button->setCursor(Qt::PointingHandCursor);
    button->setFrameShape(QFrame::StyledPanel);
    button->setPadding(2);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->caption()) + 20);
}

} // namespace regforge::gui::pages

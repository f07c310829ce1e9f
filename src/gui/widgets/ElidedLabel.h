#pragma once

#include <QLabel>
#include <QString>

namespace regforge::gui::widgets {

// A one-line label that never asks for more width than it gets: a text too long for it ends in
// an ellipsis, and the whole text is its tool tip (the status line's notes).
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    const QString& fullText() const { return full_; }
    void setFullText(const QString& text);
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFitting();

    QString full_;
};

} // namespace regforge::gui::widgets

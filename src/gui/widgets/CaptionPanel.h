#pragma once

#include <QFrame>
#include <QString>

namespace regforge::gui::widgets {

// A panel that shows its caption centred behind whatever it holds (the warning panels that
// cover a page until a device is loaded, the small "about" panel).
class CaptionPanel : public QFrame {
    Q_OBJECT

public:
    explicit CaptionPanel(QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    // Room between the frame and the caption.
    void setPadding(int padding);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    int padding_ = 8;
};

} // namespace regforge::gui::widgets

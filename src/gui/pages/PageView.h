#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

class QBoxLayout;
class QVBoxLayout;
class QWidget;

namespace regforge::model {
class Control;
}

namespace regforge::gui::binding {
class Binder;
}

namespace regforge::gui::pages {

// Arranges the bound widgets of one page with layouts. Layout only: what the controls do is
// the model's business. A page's own view places what it knows; anything the page holds
// that no view placed yet is listed below it, so a new control is never lost off-screen.
class PageView {
public:
    PageView(const binding::Binder& binder, std::string pageName);
    virtual ~PageView();
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    // Lays the page out; called once, after every widget exists.
    void arrange();

    QWidget* page() const { return page_; }
    // Where the window puts the common clock bar while this page is shown.
    QBoxLayout* clockSlot() const { return clockSlot_; }

protected:
    // Places the page's widgets into `body`, the area under the clock bar.
    virtual void arrangeContent(QVBoxLayout* body) = 0;
    // Where the controls no view placed are listed; `body` unless the view says otherwise.
    virtual QBoxLayout* restLayout(QVBoxLayout* body);
    // Runs after everything is placed (stacking order, final touches).
    virtual void finishArrangement() {}

    // The widget bound to a control; it counts as placed from now on.
    QWidget* take(std::string_view name);
    template <class W>
    W* takeAs(std::string_view name) {
        return qobject_cast<W*>(take(name));
    }
    const binding::Binder& binder() const { return binder_; }
    // A unit's clock panel with its caption, divider, clock edit and unit arranged in a row,
    // taken for placing.
    QWidget* takeClockPanel(const std::string& panel, const std::string& divider, const std::string& clock);

private:
    void placeRest(QBoxLayout* rest);
    void layOutUnarranged(const model::Control& container);

    const binding::Binder& binder_;
    std::string pageName_;
    QWidget* page_;
    QBoxLayout* clockSlot_ = nullptr;
    std::unordered_set<const QWidget*> placed_;
};

// A page no view has been written for yet: everything it holds is listed in a scrolled
// column, so a long list never makes the window itself larger.
class PlainPageView : public PageView {
public:
    using PageView::PageView;

protected:
    void arrangeContent(QVBoxLayout* body) override;
    QBoxLayout* restLayout(QVBoxLayout* body) override;
    void finishArrangement() override;

private:
    QVBoxLayout* column_ = nullptr;
};

} // namespace regforge::gui::pages

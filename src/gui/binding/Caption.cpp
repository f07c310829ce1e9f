#include "gui/binding/Caption.h"

#include "gui/binding/Windows1252.h"

namespace regforge::gui::binding {

QString acceleratedCaption(const std::string& caption) {
    return fromWindows1252(caption);
}

QString plainCaption(const std::string& caption) {
    const QString text = fromWindows1252(caption);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out.append(text[i]);
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'&') {
            out.append(u'&');
            ++i;
        }
    }
    return out;
}

std::optional<QColor> toQColor(model::Colour colour) {
    if (colour == model::kDefaultColour)
        return std::nullopt;
    return QColor(static_cast<int>((colour >> 16) & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>(colour & 0xFF));
}

} // namespace regforge::gui::binding

#pragma once

#include <QColor>
#include <QFont>

namespace regforge::pictures {

// The look the pictures share: a datasheet's sober table colours and one sans-serif face.
namespace style {

inline const QColor kInk{0x20, 0x20, 0x20};
inline const QColor kMuted{0x8a, 0x8a, 0x8a};
inline const QColor kRule{0xc8, 0xcc, 0xd2};
inline const QColor kHeading{0x1f, 0x3a, 0x5f};
inline const QColor kHeaderFill{0xe4, 0xe9, 0xf0};
inline const QColor kStripe{0xf6, 0xf7, 0xf9};
inline const QColor kResetFill{0xff, 0xf3, 0xc4};
inline const QColor kAccent{0xc0, 0x39, 0x2b};

inline QFont font(int pointSize, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(pointSize);
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace style
} // namespace regforge::pictures

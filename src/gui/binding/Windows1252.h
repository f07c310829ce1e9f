#pragma once

#include <QString>
#include <string>

namespace regforge::gui::binding {

// The core keeps every text as the bytes of the Windows-1252 code page; the view converts at
// its boundary. Decoding then encoding gives back the same bytes for all 256 values.
QString fromWindows1252(const std::string& bytes);
// Characters the code page cannot hold become '?'.
std::string toWindows1252(const QString& text);

} // namespace regforge::gui::binding

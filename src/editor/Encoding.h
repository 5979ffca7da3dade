#pragma once

#include <QString>
#include <string>

namespace wendle {

// The model keeps texts as 8-bit Windows-1252 bytes, exactly as documents
// store them and pages receive them. These two are the only conversions.
QString toQString(const std::string& text);
// Characters outside Windows-1252 become "?".
std::string fromQString(const QString& text);

}  // namespace wendle

// Conversion between the 8-bit Windows-1252 texts of files and the network
// and Qt's QString. Only the window layer converts; the rules keep bytes.
#pragma once

#include <QString>
#include <string>

namespace qx {

QString FromAnsi(const std::string& bytes);
// Characters outside Windows-1252 become '?'.
std::string ToAnsi(const QString& text);

}  // namespace qx

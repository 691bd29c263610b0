// Conversion between the 8-bit Windows-1252 texts of files and the network
// and Qt's QString. Only the window layer converts; the rules keep bytes.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qx {

QString FromAnsi(const std::string& bytes);
// Appends the converted bytes, for texts built from many pieces.
void AppendAnsi(QString& out, std::string_view bytes);
// Characters outside Windows-1252 become '?'.
std::string ToAnsi(const QString& text);

}  // namespace qx

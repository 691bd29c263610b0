// Conversion between the 8-bit Windows-1252 texts of files and the network
// and Qt's QString. Only the window layer converts; the rules keep bytes.
#pragma once

#include <QString>
#include <string>

namespace qx {

QString FromAnsi(const std::string& bytes);
// Characters outside Windows-1252 become '?'.
std::string ToAnsi(const QString& text);
// A text from elsewhere (a peer's line) as it is shown: FromAnsi, with every
// control character but tab as its visible picture (NUL as U+2400, CR as
// U+240D, ...), so one text is one row and nothing in it acts on the display.
QString ShownText(const std::string& bytes);

}  // namespace qx

// Conversion of the two kinds of text (core/platform/systemtext.h) to and from
// Qt's QString: the 8-bit Windows-1252 texts of files and the network, and
// the system's texts in the locale's encoding. Only the window layer
// converts; the rules keep bytes.
#pragma once

#include "core/platform/systemtext.h"

#include <QString>
#include <string>
#include <string_view>

namespace qx {

QString FromAnsi(const std::string& bytes);
// Appends the converted bytes, for texts built from many pieces.
void AppendAnsi(QString& out, std::string_view bytes);
// Characters outside Windows-1252 become '?'.
std::string ToAnsi(const QString& text);
// A text from elsewhere (a peer's line) as it is shown: FromAnsi, then as
// ShownUnicode.
QString ShownText(const std::string& bytes);
// A text from elsewhere that is already Unicode (a name announced on the
// local network) as it is shown, so that one text is one row, nothing in it
// acts on the display and nothing in it hides: every control character but
// tab as its visible picture (NUL as U+2400, CR as U+240D, DEL as U+2421, C1
// controls as U+FFFD, line and paragraph separators as the newline picture),
// and every character that draws nothing or only blank room (format and
// direction characters, zero-width ones, spaces other than the plain space,
// blank letters) as its code, "<U+200B>".
QString ShownUnicode(const QString& text);

// Decoded with the encoding of the locale's character type (LC_CTYPE), as the
// system wrote it; UTF-8 in the C locale, where the system writes only ASCII
// and file names are UTF-8 by convention. Bytes that do not decode show as
// U+FFFD.
QString FromSystem(const SystemText& text);

}  // namespace qx

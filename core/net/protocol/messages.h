// The lines two players send each other, in one place: a received line
// parsed into a message, a message formatted into the line that goes out.
// Qt-free; texts are Windows-1252 bytes ("»" and "«" are 0xBB and 0xAB).
#pragma once

#include <optional>
#include <string>

namespace quorvex {

inline constexpr char kRaquo[] = "\xBB";  // »
inline constexpr char kLaquo[] = "\xAB";  // «

// The cells as both sides number them: the bomb field 1..25, the own
// battlefield 26..50 (also in the lines that carry a figure's position).
inline constexpr int kBombFieldCells = 25;
inline constexpr int kFirstOwnCell = 26;
inline constexpr int kLastOwnCell = 50;

// "[» " + text + " «]": the frame of the server line. The windows frame their
// own notices alike, in their words (ui/net/nettexts.h); this is the wire's.
std::string Notice(const std::string& text);

inline constexpr const char* kConfirmLine = "[500] Pos. received and confirmed!";
inline constexpr const char* kRestartLine = "[900] Restart";

enum class MessageKind {
    None,     // nothing was read
    Victim,   // "[100] [<cell>] Victim": a Victim of the sender's battlefield
    Dragon,   // "[200] [<cell>] Dragon"
    Confirm,  // "[500] ...": the last position arrived
    YouLost,  // "[700] You lost": the receiver's battlefield lost
    YouWon,   // "[701] You won"
    Draw,     // "[702] Draw"
    Restart,  // "[900] Restart": the host starts the next game
    Resume,   // "[300] ...": what a reconnecting peer still has (ResumeNote)
    Text,     // anything else (chat, the host's greetings), shown as it is
};

struct Message {
    MessageKind kind = MessageKind::None;
    // Victim and Dragon: the sender's own-battlefield cell 26..50, taken from
    // the line's characters 8 and 9; -1 when they name no such cell.
    int cell = -1;
    std::string line;  // the line as received (or to be sent, for Text)
};

// A message is recognised by the line's first five characters alone.
Message ParseLine(const std::string& line);
// The line a message goes out as.
std::string FormatLine(const Message& message);

// What one side tells the other when the same two players meet again after
// a lost line: only to a peer that asked for it with an empty line ahead of
// its nickname (a peer without it ignores empty lines), never otherwise.
// known false: "this side starts afresh" ("[300] New"); else
// "[300] Resume <restarts> <results> <positions>": the restarts it took part
// in and the result lines it received since the two met, and the opponent
// positions it holds of its current game (0..10).
struct ResumeNote {
    bool known = false;
    int restarts = 0;
    int results = 0;
    int positions = 0;
};
std::string ResumeLine(const ResumeNote& note);
// The note a "[300]" line carries; nullopt when it is malformed.
std::optional<ResumeNote> ParseResume(const std::string& line);

// "<" + nick + "> " + text, as it is sent (the log words its own, GameNoteKind::OwnChat).
std::string ChatLine(const std::string& nick, const std::string& text);
// The host's greetings after the handshake.
std::string ServerLine(const std::string& serverName);
std::string WelcomeLine(const std::string& nick);

}  // namespace quorvex

// What the network windows show of the two-player game: status texts and
// log lines (the lines on the wire are core/net/messages). Windows-1252 bytes.
#pragma once

namespace quorvex {

inline constexpr const char* kStatusSending = "sending positions...";
inline constexpr const char* kStatusReceiving = "receiving positions...";
inline constexpr const char* kStatusBombNow = "please bomb now";
inline constexpr const char* kStatusAwaiting = "awaiting positions...";
inline constexpr const char* kStatusSetUp = "please set up your battlefield";
inline constexpr const char* kLogAllSent = "[game] All positions send!";
inline constexpr const char* kLogAllReceived = "[game] All positions received!";
inline constexpr const char* kLogClientRestart = "[game] new game started";
inline constexpr const char* kLogHostRestart = "[game] new game started!";
// Logged, followed by the line, for a position that is not stored.
inline constexpr const char* kLogInvalidPosition = "[game] Invalid position ignored: ";
inline constexpr const char* kLogExtraVictim = "[game] Extra Victim ignored: ";
inline constexpr const char* kLogExtraDragon = "[game] Extra Dragon ignored: ";
inline constexpr const char* kLogLineTooLong = "[game] Over-long line ignored.";
// The same two players met again and took their game up where it stood.
inline constexpr const char* kLogResumed = "[game] Game resumed.";

// A bombing's result, as the bombing side shows it and as the bombed side
// shows the line it receives.
inline constexpr const char* kResultWon = "[ You won ]";
inline constexpr const char* kResultLost = "[ You lost ]";
inline constexpr const char* kResultDraw = "[ Draw ]";
// The bombed side's log: kLogGame + the peer's nickname + one of the endings.
inline constexpr const char* kLogGame = "[game] ";
inline constexpr const char* kLogPeerWon = " won!";
inline constexpr const char* kLogPeerLost = " lost!";
inline constexpr const char* kLogPeerDraw = " bombed a draw!";
// The bombing side's counters, followed by the number.
inline constexpr const char* kBombedVictims = "Bombed Victims: ";
inline constexpr const char* kBombedDragons = "Bombed Dragons: ";

}  // namespace quorvex

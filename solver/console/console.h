#pragma once
// Solvane's dialogue with its console: messages on standard output, and the
// few waits for the user. End of input never blocks: a closed or exhausted
// standard input ends every wait at once.

#include <string_view>

namespace solvane {

// Writes `text` to standard output as it stands and flushes it, so that
// progress redrawn with backspaces appears at once.
void ConsoleWrite(std::string_view text);

// Waits for one character from standard input (Enter on a terminal).
void WaitForEnter();

// The closing pause: prints "Press any key to continue . . . " and waits for
// one key (raw mode on a terminal, otherwise one byte of input).
void PauseForAnyKey();

// Reads one key without echo and without waiting for Enter on a terminal;
// otherwise one byte of input. Returns kEndOfInput when input has ended, and
// kMultiByteKey for a key that a terminal sends as an escape sequence (arrows,
// function keys), so that only the Esc key itself reads as Esc.
inline constexpr int kEndOfInput = -1;
inline constexpr int kMultiByteKey = 256;
int ReadKeyWithoutEcho();

// The fatal exit of a step: prints `message` and a line break, waits for
// Enter, and returns false so that the caller ends the run with status 1.
bool FailAfterWait(std::string_view message);

}  // namespace solvane

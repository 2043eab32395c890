#include "console/console.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>

namespace solvane {

namespace {

constexpr unsigned char kEscapeByte = 27;
constexpr int kEscapeSequenceWaitMs = 30;

// Whether more input arrives within a few milliseconds: a terminal sends the
// bytes of one key (arrows, function keys) together, a person does not.
bool MoreInputFollows() {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  return poll(&input, 1, kEscapeSequenceWaitMs) == 1 && (input.revents & POLLIN) != 0;
}

// Consumes the rest of a multi-byte key so that it is not left for the shell.
void DrainEscapeSequence() {
  unsigned char byte = 0;
  while (MoreInputFollows() && read(STDIN_FILENO, &byte, 1) == 1) {
  }
}

// Reads one byte from standard input with the terminal, if it is one, in
// non-canonical mode without echo; restores the terminal afterwards.
int ReadOneByteRaw() {
  std::fflush(stdout);
  termios saved{};
  const bool isTerminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved) == 0;
  if (isTerminal) {
    termios raw = saved;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  }
  unsigned char byte = 0;
  const ssize_t got = read(STDIN_FILENO, &byte, 1);
  int key = got == 1 ? byte : kEndOfInput;
  if (isTerminal && key == kEscapeByte && MoreInputFollows()) {
    DrainEscapeSequence();
    key = kMultiByteKey;
  }
  if (isTerminal) tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  return key;
}

}  // namespace

void ConsoleWrite(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

void WaitForEnter() {
  std::fflush(stdout);
  unsigned char byte = 0;
  (void)read(STDIN_FILENO, &byte, 1);
}

void PauseForAnyKey() {
  ConsoleWrite("Press any key to continue . . . ");
  ReadOneByteRaw();
  ConsoleWrite("\n");
}

int ReadKeyWithoutEcho() { return ReadOneByteRaw(); }

bool FailAfterWait(std::string_view message) {
  ConsoleWrite(message);
  ConsoleWrite("\n");
  WaitForEnter();
  return false;
}

}  // namespace solvane

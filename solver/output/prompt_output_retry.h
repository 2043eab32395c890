#pragma once
// The console prompt shown when a drawing cannot be opened: it names the likely
// causes and lets the user retry or exit.

namespace solvane {

enum class RetryAnswer { kRetry = 0, kExit = 1 };

// Shows the prompt for `fileName` and reads keys without echo until Enter
// (retry) or Esc (exit). Other keys ask again; end of input counts as Esc, so
// a closed console never leaves the program waiting forever.
RetryAnswer PromptOutputRetry(const char* fileName);

}  // namespace solvane

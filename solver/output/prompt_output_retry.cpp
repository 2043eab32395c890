#include "output/prompt_output_retry.h"

#include <string>

#include "console/console.h"

namespace solvane {

namespace {

constexpr int kEscape = 27;
constexpr int kCarriageReturn = 13;
constexpr int kLineFeed = 10;

void ShowPrompt(const std::string& fileName) {
  ConsoleWrite("图形文件" + fileName + "输出失败!\n");
  ConsoleWrite("失败原因可能有:\n");
  ConsoleWrite("    (1)上一次程序运行生成的图形文件" + fileName +
               "正在被别的程序(比如AutoCAD)占用导致无法写入;\n");
  ConsoleWrite("    (2)您正在不可写入的磁盘/驱动器上运行程序\n");
  ConsoleWrite("重试，请按'Enter回车键'；退出，请按’Esc退出’键\n");
}

}  // namespace

RetryAnswer PromptOutputRetry(const char* fileName) {
  ShowPrompt(fileName);
  for (;;) {
    const int key = ReadKeyWithoutEcho();
    if (key == kEscape || key == kEndOfInput) return RetryAnswer::kExit;
    // A terminal may deliver Enter as a line feed.
    if (key == kCarriageReturn || key == kLineFeed) return RetryAnswer::kRetry;
    ConsoleWrite("您按了其他键,请重新选择\n");
  }
}

}  // namespace solvane

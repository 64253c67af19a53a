// Answers the message box that is about to open, once its modal loop runs: answer returns the button
// that closes it. One implementation per UI backend (MessageBoxAnswer.cpp over Qt,
// win32/MessageBoxAnswer.cpp over Win32).
#pragma once

#include <functional>

namespace test_services {

void AnswerNextMessageBox(std::function<int()> answer);

}  // namespace test_services

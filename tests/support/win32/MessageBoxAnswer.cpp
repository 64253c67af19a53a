// The system's message box, closed once its modal loop runs: a thread timer set just before the box
// opens fires inside that loop, where the box is the thread's active window.
#include <windows.h>

#include <utility>

#include "tests/support/MessageBoxAnswer.h"

namespace {

thread_local std::function<int()> t_answer;

void CALLBACK AnswerOpenBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    const std::function<int()> answer = std::move(t_answer);
    t_answer = nullptr;
    const HWND box = ::GetActiveWindow();
    const int result = answer ? answer() : IDOK;
    if (box != nullptr)
        ::EndDialog(box, result);
}

}  // namespace

void test_services::AnswerNextMessageBox(std::function<int()> answer)
{
    t_answer = std::move(answer);
    ::SetTimer(nullptr, 0, 0, AnswerOpenBox);
}

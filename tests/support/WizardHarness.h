// Builds the real wizard sheet with real windows in a temporary program directory and drives it as
// an operator would: presses the sheet's buttons and the pages' controls, answers message boxes,
// and runs the event loop until posted messages have arrived. The interface names no backend type;
// tests/support/qt/ and tests/support/win32/ each implement the part that touches windows.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/support/TestServices.h"
#include "tests/support/WizardButton.h"
#include "wizard/ZeltoSheet.h"

using test_services::MessageBoxCall;
using test_services::WizardButton;

class WizardHarness {
public:
    // programName is the program file's name inside the temporary program directory.
    explicit WizardHarness(const std::string& programName = "TarvelWiz");
    ~WizardHarness();

    CZeltoSheet& Sheet() { return *m_sheet; }
    const std::string& ProgramDir() const { return m_dir; }
    std::string LogPath() const;

    // Runs the event loop until the condition holds or the time is up; returns the condition.
    bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
    // Delivers what has been posted so far.
    void Pump();

    void Press(WizardButton button);  // the real sheet button, after pending messages have arrived
    bool Enabled(WizardButton button);
    bool Shown(WizardButton button);
    int Active() const;     // the index of the page the sheet shows; -1 without a window
    int EndResult() const;  // ID_WIZFINISH or IDCANCEL once the sheet has ended, 0 while it runs

    // The sheet's page at this index, in the order its constructor adds them.
    CPropertyPage* Page(int index);

    void Click(CWnd* pPage, int id);  // a push button or radio button on the page
    CString Text(CWnd* pPage, int id);
    bool Visible(CWnd* pPage, int id);
    bool Checked(CWnd* pPage, int id);  // a radio button's check
    bool ControlEnabled(CWnd* pPage, int id);
    // The IP address control's four fields as the operator leaves them ("" for a blank field), and
    // its fields joined by dots as the operator reads them.
    void SetAddressFields(CWnd* pPage, int id, const std::vector<std::string>& fields);
    std::string AddressText(CWnd* pPage, int id);
    // Keys as the operator presses them, to whichever control has the focus, each delivered before the next.
    enum class Key { Up, Down, Left, Right, Return, Backspace };
    void PressKey(Key key);
    void TypeText(const std::string& text);
    // The system cursor the application shows now: IDC_ARROW or IDC_WAIT.
    UINT CursorId() const;
    // A progress control's position, and the top of its range (which starts at 0); -1 without the control.
    int ProgressPosition(CWnd* pPage, int id);
    int ProgressMaximum(CWnd* pPage, int id);

    // Walks from the intro page to the given page index along the route of the current mode
    // (choose the mode first with the intro page's radio buttons).
    void ChooseMode(int mode);

    // Message boxes answered OK so far; the inspector, when set, runs while each box is open.
    std::vector<MessageBoxCall> boxes;
    std::function<void(const MessageBoxCall&)> onBox;

    std::vector<std::string> LogLines() const;  // the log's lines without time stamps
    std::string LogText() const;

private:
    // The backend's end of the sheet's window, before the sheet object goes.
    void CloseSheetWindow();

    TempDir m_tempDir;
    std::string m_dir;
    std::unique_ptr<CZeltoSheet> m_sheet;
};

// Puts the test services and the scale address back as a run of the program finds them.
void ResetSeams();

namespace test_services {
// Gives a window object that no page template makes a hidden window of its own, so that messages
// posted to it from any thread reach its message map on this thread; the window goes with
// DestroyMessageWindow, before the object.
void CreateMessageWindow(CWnd* pWnd);
void DestroyMessageWindow(CWnd* pWnd);
}  // namespace test_services

// The sheet's window: the page area above a line and the wizard buttons. Escape and the window's
// close button ask the sheet, which asks the active page.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <functional>

class SheetDialog : public QDialog {
public:
    explicit SheetDialog(std::function<void()> onCancelRequest);

    QStackedWidget* m_pages;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_finish;
    QPushButton* m_cancel;

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> m_onCancelRequest;
};

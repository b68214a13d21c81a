#pragma once
// A top-level window that tells a close by the program from a close by the user. The program's
// own close always passes; any other close (the close box, Alt+F4, Esc, the end of the desktop
// session) asks the window's owner first and may be refused.

#include <QWidget>

namespace zelvano {

class ClosableWindow : public QWidget {
public:
    explicit ClosableWindow(QWidget* parent = nullptr);

    // Closes the window without asking anyone.
    void closeFromProgram();

protected:
    // Asked on every close the program did not request. Returns true to keep the window open.
    virtual bool refuseUserClose() = 0;

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool closingByProgram_ = false;
};

}  // namespace zelvano

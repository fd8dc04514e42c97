#pragma once

#include <QWidget>

class QPushButton;

namespace store {
struct RunState;
}

namespace app {

class Shell;

// A screen of the program: one top-level window named after its form. The shell
// loads it (construction, then Form_Load), shows, hides and unloads it.
class Screen : public QWidget
{
    Q_OBJECT

public:
    explicit Screen(QWidget* parent = nullptr);

    // The form's class name, the key of the screen switch.
    QString screenName() const;

    // Applies the rules every form follows (widgets::applyFormRules). The shell
    // calls it once, when the form's controls exist and before Form_Load.
    void setUpControls();

public Q_SLOTS:
    // Fills the screen from the data folder and the run state; runs once per load.
    virtual void Form_Load() {}

protected:
    Shell& shell() const;
    store::RunState& state() const;

    // Closing the window by its title bar does what the screen's own way out does,
    // so no hidden screen keeps the program running without a window.
    virtual void closeByTitleBar() = 0;
    void closeEvent(QCloseEvent* event) override;

    // Return presses the push button that has the focus; elsewhere it presses the
    // screen's default button, when it has one.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* buttonForReturn() const;
};

} // namespace app

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

    // The form's class name, under which its window size is kept.
    QString screenName() const;
    static QString screenName(const QMetaObject& type);

    // Applies the rules every form follows (widgets::applyFormRules). The shell
    // calls it once, when the form's controls exist and before Form_Load.
    void setUpControls();

    // A screen holding grids opens, the first time it is shown, at the size the
    // user last gave it, or else as large as its grids need (as far as the
    // screen allows, never smaller than designed); the size the user gives it
    // is kept for the next time.
    void setVisible(bool visible) override;

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
    void hideEvent(QHideEvent* event) override;

private:
    QPushButton* buttonForReturn() const;
    bool holdsGrid() const;
    QSize roomOnScreen() const;
    void openAtChosenSize();
    void rememberChosenSize();

    bool m_sized = false; // opened at its size once
    QSize m_openedSize;
    bool m_openedMaximized = false;
};

} // namespace app

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace screens {

// Catches an identifier typed or scanned on a screen of buttons: a USB scanner
// types the identifier and Return like a keyboard. The characters that no
// control takes are gathered; Return after them hands them over instead of
// pressing the focused button. With nothing gathered, every key does what it
// did (Return and Space still press the focused button). Characters more than
// a pause apart start afresh, so a stray key pressed long ago is forgotten.
class ScanCatcher : public QObject
{
    Q_OBJECT

public:
    using Open = std::function<void(const QString& typed)>;
    ScanCatcher(QWidget* screen, Open open);

    static constexpr int kPauseMs = 2500;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_screen;
    Open m_open;
    QString m_typed;
    QElapsedTimer m_lastKey;
};

} // namespace screens

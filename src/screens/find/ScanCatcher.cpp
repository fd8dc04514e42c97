#include "screens/find/ScanCatcher.h"

#include <QKeyEvent>
#include <QWidget>

namespace screens {

ScanCatcher::ScanCatcher(QWidget* screen, Open open)
    : QObject(screen), m_screen(screen), m_open(std::move(open))
{
    // Keys a button does not take travel up to the screen, where this sees them.
    screen->installEventFilter(this);
}

bool ScanCatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_screen)
        return false;
    if (event->type() == QEvent::Hide) {
        m_typed.clear();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!m_typed.isEmpty() && m_lastKey.isValid() && m_lastKey.elapsed() > kPauseMs)
        m_typed.clear();
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (m_typed.trimmed().isEmpty()) {
            m_typed.clear();
            return false;
        }
        const QString typed = m_typed;
        m_typed.clear();
        m_open(typed);
        return true;
    }
    case Qt::Key_Escape:
        m_typed.clear();
        return false;
    case Qt::Key_Backspace:
        if (m_typed.isEmpty())
            return false;
        m_typed.chop(1);
        m_lastKey.start();
        return true;
    default:
        break;
    }
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    m_typed += text;
    m_lastKey.start();
    return true;
}

} // namespace screens

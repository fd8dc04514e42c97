#include "MessageScript.h"

#include <QApplication>
#include <QWidget>

MessageScript::MessageScript()
{
    widgets::Messages::setResponder([this](const widgets::Messages::Shown& shown) {
        m_shown << shown;
        QStringList windows;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                windows << window->objectName();
        }
        m_windows << windows;
        if (m_answers.isEmpty()) {
            m_unexpected << shown.text;
            return static_cast<int>(shown.buttons.size()) - 1;
        }
        return m_answers.dequeue();
    });
    widgets::Pickers::setResponder([this](const widgets::Pickers::Asked& asked) {
        if (m_folders.isEmpty()) {
            m_unexpected << asked.caption;
            return QString();
        }
        return m_folders.dequeue();
    });
}

MessageScript::~MessageScript()
{
    widgets::Messages::setResponder(nullptr);
    widgets::Pickers::setResponder(nullptr);
}

MessageScript& MessageScript::answer(int buttonIndex)
{
    m_answers.enqueue(buttonIndex);
    return *this;
}

MessageScript& MessageScript::pickFolder(const QString& folder)
{
    m_folders.enqueue(folder);
    return *this;
}

QStringList MessageScript::texts() const
{
    QStringList texts;
    for (const widgets::Messages::Shown& shown : m_shown)
        texts << shown.text;
    return texts;
}

void MessageScript::clear()
{
    m_answers.clear();
    m_folders.clear();
    m_shown.clear();
    m_windows.clear();
    m_unexpected.clear();
}

#pragma once

#include "widgets/Messages.h"

#include <QList>
#include <QQueue>

// Answers the program's message boxes and pickers in a test, in the order
// given, and records every box shown. A box with no answer left is answered
// with its safe (last) button and recorded as unexpected.
class MessageScript
{
public:
    MessageScript();
    ~MessageScript();

    MessageScript& answer(int buttonIndex);           // 0 = OK / Yes, 1 = No, or a choice's button
    MessageScript& pickFolder(const QString& folder); // an empty text cancels

    const QList<widgets::Messages::Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    // For each box shown, the objectNames of the windows on the screen behind it.
    const QList<QStringList>& windowsBehind() const { return m_windows; }
    QStringList unexpected() const { return m_unexpected; }
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
    void clear();

private:
    QQueue<int> m_answers;
    QQueue<QString> m_folders;
    QList<widgets::Messages::Shown> m_shown;
    QList<QStringList> m_windows;
    QStringList m_unexpected;
};

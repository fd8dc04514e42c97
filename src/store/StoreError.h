#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

namespace store {

// The one failure the store reports. Its text is a complete sentence for the
// shop's user that names the file concerned and says what to do; screens show
// it as it is.
class StoreError : public std::runtime_error
{
public:
    explicit StoreError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A refusal because the files changed since a screen read them (another copy of
// the program wrote meanwhile): nothing was written, and the screen should show
// the files afresh.
class ChangedElsewhere : public StoreError
{
public:
    using StoreError::StoreError;
};

// The store's user-visible sentences, translated in one context like the
// screens' texts: StoreText::tr("...").
class StoreText
{
    Q_DECLARE_TR_FUNCTIONS(Store)
};

} // namespace store

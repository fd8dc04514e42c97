#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace widgets {

// Every message box of the program goes through here, so that wording, icon and
// title are the same everywhere and tests can answer them without a modal loop.
namespace Messages {

inline const QString kTitle = QStringLiteral("Vintrelo");

// Exclamation icon, OK.
void warning(QWidget* parent, const QString& text, const QString& title = kTitle);
// A warning found while a screen is being loaded, before it is shown: it waits
// until the switch that shows the screen is over, then appears over that screen
// (or over whichever screen the load switched to instead), never alone on an
// empty desktop. Shown at once when `parent`'s window is already visible.
void warningWhenShown(QWidget* parent, const QString& text, const QString& title = kTitle);
// Information icon, OK (for reports that are not problems).
void information(QWidget* parent, const QString& text, const QString& title = kTitle);
// Exclamation icon, Yes and No, No the default. True for Yes.
bool question(QWidget* parent, const QString& text, const QString& title = kTitle);
// Asked before a screen is left with changes that were not saved: true to leave
// and lose them; No, the default, goes back to the screen with every change.
bool leaveWithoutSaving(QWidget* parent);

// A typed text as a message quotes it: a page pasted into a box is cut short
// with "…", so the message stays readable.
QString quotedEntry(const QString& text);
// Exclamation icon and the given buttons; the last one is the default and Escape.
// Returns the index of the button chosen.
int choice(QWidget* parent, const QString& text, const QStringList& buttons,
           const QString& title = kTitle);

// What a message box showed, for tests.
struct Shown
{
    enum Kind
    {
        Warning,
        Information,
        Question,
        Choice
    } kind;
    QString title;
    QString text;
    QStringList buttons;
};

// While a responder is set, no box is shown: the responder gets what would have
// been shown and returns the index of the answer (0 = OK or Yes, 1 = No, or the
// button index of a choice).
using Responder = std::function<int(const Shown&)>;
void setResponder(Responder responder);

} // namespace Messages

// File and folder pickers, with the same test seam.
namespace Pickers {

// An existing folder, or empty when the user cancels.
QString existingFolder(QWidget* parent, const QString& caption, const QString& startFolder);
// A file name to save to, or empty when the user cancels. A name typed without
// an extension gets `defaultSuffix` before the dialog asks about replacing a file
// (a caller that asks through Messages itself passes confirmReplace false).
QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                     const QString& filter, const QString& defaultSuffix = QString(),
                     bool confirmReplace = true);

struct Asked
{
    enum Kind
    {
        ExistingFolder,
        SaveFile
    } kind;
    QString caption;
    QString startPath;
};
using Responder = std::function<QString(const Asked&)>;
void setResponder(Responder responder);

} // namespace Pickers

// The application-wide wait cursor, restored whatever happens.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void beep();

} // namespace widgets

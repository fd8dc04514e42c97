#include "widgets/Messages.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace widgets {

namespace Messages {

namespace {

Responder& responder()
{
    static Responder instance;
    return instance;
}

struct Waiting
{
    QPointer<QWidget> parent;
    QString text;
    QString title;
};

QList<Waiting>& waiting()
{
    static QList<Waiting> list;
    return list;
}

// The program shows one screen at a time; a message whose own screen never
// appeared goes over the one that did.
QWidget* visibleWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !qobject_cast<QMessageBox*>(widget))
            return widget;
    }
    return nullptr;
}

int present(QWidget* parent, const Shown& shown, QMessageBox::Icon icon)
{
    if (responder())
        return responder()(shown);

    QMessageBox box(icon, shown.title, shown.text, QMessageBox::NoButton, parent);
    // Texts carry values from files and from the user: never read as markup.
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> buttons;
    for (const QString& caption : shown.buttons)
        buttons << box.addButton(caption, QMessageBox::AcceptRole);
    // The last button is the safe one: the default, and what Escape chooses.
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.constLast()));
    box.setEscapeButton(buttons.constLast());
    const QPointer<QWidget> over(parent);
    box.exec();
    // The keyboard goes back to the screen the box was over: a screen shown in
    // place of another may otherwise be left without it.
    if (over && over->window()->isVisible())
        over->window()->activateWindow();
    const int index = buttons.indexOf(box.clickedButton());
    return index < 0 ? static_cast<int>(buttons.size()) - 1 : index;
}

void showWaiting()
{
    // A box's own event loop must not show the next one over it.
    static bool showing = false;
    if (showing)
        return;
    showing = true;
    while (!waiting().isEmpty()) {
        const Waiting next = waiting().takeFirst();
        QWidget* over = next.parent && next.parent->window()->isVisible() ? next.parent.data()
                                                                          : visibleWindow();
        present(over, {Shown::Warning, next.title, next.text, {QObject::tr("OK")}},
                QMessageBox::Warning);
    }
    showing = false;
}

int show(QWidget* parent, const Shown& shown, QMessageBox::Icon icon)
{
    // Whatever still waits was said first.
    showWaiting();
    return present(parent, shown, icon);
}

} // namespace

void warning(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, {Shown::Warning, title, text, {QObject::tr("OK")}}, QMessageBox::Warning);
}

void warningWhenShown(QWidget* parent, const QString& text, const QString& title)
{
    if (parent && parent->window()->isVisible()) {
        warning(parent, text, title);
        return;
    }
    waiting().append({parent, text, title});
    // Runs once the handler that is loading the screen has shown it.
    if (waiting().size() == 1)
        QTimer::singleShot(0, qApp, [] { showWaiting(); });
}

void information(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, {Shown::Information, title, text, {QObject::tr("OK")}}, QMessageBox::Information);
}

bool question(QWidget* parent, const QString& text, const QString& title)
{
    return show(parent, {Shown::Question, title, text, {QObject::tr("&Yes"), QObject::tr("&No")}},
                QMessageBox::Warning) == 0;
}

bool leaveWithoutSaving(QWidget* parent)
{
    return question(parent, QObject::tr("The changes made on this screen have not been saved.\n\n"
                                        "Do you want to leave without saving them?"));
}

QString quotedEntry(const QString& text)
{
    constexpr int kShown = 80;
    const QString simple = text.simplified();
    return simple.size() <= kShown ? simple : simple.left(kShown - 1) + QChar(0x2026);
}

int choice(QWidget* parent, const QString& text, const QStringList& buttons, const QString& title)
{
    return show(parent, {Shown::Choice, title, text, buttons}, QMessageBox::Warning);
}

void setResponder(Responder newResponder)
{
    responder() = std::move(newResponder);
}

} // namespace Messages

namespace Pickers {

namespace {

Responder& responder()
{
    static Responder instance;
    return instance;
}

} // namespace

QString existingFolder(QWidget* parent, const QString& caption, const QString& startFolder)
{
    if (responder())
        return responder()({Asked::ExistingFolder, caption, startFolder});
    return QFileDialog::getExistingDirectory(parent, caption, startFolder);
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                     const QString& filter, const QString& defaultSuffix, bool confirmReplace)
{
    if (responder())
        return responder()({Asked::SaveFile, caption, suggestedPath});
    QFileDialog dialog(parent, caption, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmReplace);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void setResponder(Responder newResponder)
{
    responder() = std::move(newResponder);
}

} // namespace Pickers

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

void beep()
{
    QApplication::beep();
}

} // namespace widgets

// The real message boxes: a question answered with Enter or Escape says No.
#include "TestMain.h"
#include "widgets/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

using namespace widgets;

namespace {

// Presses a key in the next modal box and records what it showed.
struct BoxPeek
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

void pressInNextBox(int key, BoxPeek* peek)
{
    QTimer::singleShot(50, [key, peek] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        peek->title = box->windowTitle();
        peek->text = box->text();
        peek->icon = box->icon();
        peek->buttons = static_cast<int>(box->buttons().size());
        QTest::keyClick(box, static_cast<Qt::Key>(key));
    });
}

} // namespace

class MessagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionDefaultsToNo();
    void warningHasTheProgramTitleAndOneButton();
    void choiceEscapeTakesTheLastButton();
    void responderAnswersWithoutABox();
};

void MessagesTest::questionDefaultsToNo()
{
    BoxPeek peek;
    pressInNextBox(Qt::Key_Return, &peek);
    QVERIFY(!Messages::question(nullptr, QStringLiteral("Are you sure ?")));
    QCOMPARE(peek.title, QStringLiteral("Vintrelo"));
    QCOMPARE(peek.text, QStringLiteral("Are you sure ?"));
    QCOMPARE(peek.icon, QMessageBox::Warning);
    QCOMPARE(peek.buttons, 2);

    pressInNextBox(Qt::Key_Escape, &peek);
    QVERIFY(!Messages::question(nullptr, QStringLiteral("Delete ?")));
    pressInNextBox(Qt::Key_Y, &peek);
    QVERIFY(Messages::question(nullptr, QStringLiteral("Save ?")));
}

void MessagesTest::warningHasTheProgramTitleAndOneButton()
{
    BoxPeek peek;
    pressInNextBox(Qt::Key_Return, &peek);
    Messages::warning(nullptr, QStringLiteral("The file is missing."));
    QCOMPARE(peek.title, QStringLiteral("Vintrelo"));
    QCOMPARE(peek.icon, QMessageBox::Warning);
    QCOMPARE(peek.buttons, 1);

    pressInNextBox(Qt::Key_Return, &peek);
    Messages::warning(nullptr, QStringLiteral("x"), QStringLiteral("Vintrelo - Printing"));
    QCOMPARE(peek.title, QStringLiteral("Vintrelo - Printing"));
}

void MessagesTest::choiceEscapeTakesTheLastButton()
{
    BoxPeek peek;
    pressInNextBox(Qt::Key_Escape, &peek);
    QCOMPARE(
        Messages::choice(nullptr, QStringLiteral("Which?"),
                         {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Exit")}),
        2);
    QCOMPARE(peek.buttons, 3);
}

void MessagesTest::responderAnswersWithoutABox()
{
    QList<Messages::Shown> seen;
    Messages::setResponder([&seen](const Messages::Shown& shown) {
        seen << shown;
        return 0;
    });
    QVERIFY(Messages::question(nullptr, QStringLiteral("Save ?")));
    Messages::warning(nullptr, QStringLiteral("Careful"));
    Messages::setResponder(nullptr);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(0).kind, Messages::Shown::Question);
    QCOMPARE(seen.at(1).text, QStringLiteral("Careful"));
    QCOMPARE(seen.at(1).title, QStringLiteral("Vintrelo"));
}

VINTRELO_TEST_MAIN(MessagesTest)
#include "tst_messages.moc"

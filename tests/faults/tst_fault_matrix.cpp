// Every screen that writes a file, against every way the write can go wrong:
// the shop's data must come out of each exactly as it was or exactly as the
// finished change leaves it, with no working file left and a message that
// names the file.
#include "MessageScript.h"
#include "ShopFaults.h"
#include "TestMain.h"
#include "store/Clock.h"
#include "store/FolderLock.h"

#include <QAbstractButton>
#include <QLabel>

using namespace faults;

namespace {

enum class Op
{
    BatchCreation,
    CounterAdvance,
    Complete,
    Postpone,
    ManualAction,
    EditorSave,
    RecipeCreate,
    RecipeModify,
    FirstRunSetUp
};

enum class Failure
{
    None,
    ScratchInTheWay,
    WriteFailsPartWay,
    RenameRefused,
    DestinationExists,
    FolderMissing,
    FileVanished
};

// What the data folder must hold afterwards.
enum class Outcome
{
    Unchanged,          // exactly as before the click
    Done,               // exactly as the same click leaves a healthy folder
    BatchWithoutCounter // the batch written, the counter as before
};

// Where one operation writes, relative to the folder it writes into.
struct Operation
{
    Op op;
    const char* name;
    QString scratch;       // its working file
    QString target;        // the file it creates or replaces
    QString names;         // what its messages must name
    bool replaces;         // the target exists before the write
    QString folder;        // the folder that goes missing
    QString folderNames;   // what the message names then
    Outcome onDestination; // when the destination (or a stale working file) is there
};

Operation operation(Op op)
{
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    const QString temp = s("Active Batches/temp.txt");
    const QString ann = s("Active Batches/") + kAnn + s(".txt");
    const QString bob = s("Active Batches/") + kBob + s(".txt");
    const QString next = s("Active Batches/") + kNextBatch + s(".txt");
    const QString recipeNew = s("Recipes/recipe.new");
    const QString starterNew = s("Recipes/starter.new");
    const QString active = s("Active Batches");
    const QString counter = s("Batch-ID.txt");
    const auto Kept = Outcome::Unchanged;
    const auto Done = Outcome::Done;
    // clang-format off
    const Operation table[] = {
    //   operation           name                working file       file written             message names  replaces  folder missing            its message names      destination there
        {Op::BatchCreation,  "batch creation",   temp,              next,                    kNextBatch,    false,    active,                   active,                Kept},
        {Op::CounterAdvance, "counter advance",  s("Batch-ID.new"), counter,                 counter,       true,     QString(),                counter,               Done},
        {Op::Complete,       "complete",         temp,              ann,                     kAnn,          true,     s("Completed Batches"),   s("Completed Batches"), Kept},
        {Op::Postpone,       "postpone",         temp,              bob,                     kBob,          true,     active,                   kBob,                  Done},
        {Op::ManualAction,   "manual action",    temp,              bob,                     kBob,          true,     active,                   kBob,                  Done},
        {Op::EditorSave,     "editor save",      temp,              bob,                     kBob,          true,     active,                   kBob,                  Done},
        {Op::RecipeCreate,   "recipe create",    recipeNew,         s("Recipes/0005.txt"),   s("0005"),     false,    s("Recipes"),             s("Recipes"),          Kept},
        {Op::RecipeModify,   "recipe modify",    recipeNew,         s("Recipes/0003.txt"),   s("0003"),     true,     s("Recipes"),             s("Recipes"),          Done},
        {Op::FirstRunSetUp,  "first-run set-up", starterNew,        s("Recipes/0001.txt"),   s("0001.txt"), false,    s("Recipes"),             s("0001.txt"),         Done},
    };
    // clang-format on
    for (const Operation& row : table) {
        if (row.op == op)
            return row;
    }
    Q_UNREACHABLE();
}

const char* failureName(Failure failure)
{
    switch (failure) {
    case Failure::None:
        return "goes through";
    case Failure::ScratchInTheWay:
        return "working file cannot be created";
    case Failure::WriteFailsPartWay:
        return "write fails part way";
    case Failure::RenameRefused:
        return "rename refused";
    case Failure::DestinationExists:
        return "destination exists";
    case Failure::FolderMissing:
        return "folder missing";
    case Failure::FileVanished:
        return "file vanished between read and write";
    }
    return "";
}

// One shop, one program run, one operation brought up to its last click.
class Scenario
{
public:
    explicit Scenario(Op op)
        : m_op(op),
          fx(op == Op::FirstRunSetUp ? DataFixture::Layout::Bare : DataFixture::Layout::Full)
    {
        if (op == Op::FirstRunSetUp)
            QFile::remove(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc")));
        else
            stockShop(fx);
        app = std::make_unique<AppHarness>(fx);
    }

    // The folder the operation writes into.
    QString root() const
    {
        return m_op == Op::FirstRunSetUp
                   ? QDir(fx.base()).filePath(QStringLiteral("Documents/Vintrelo Data"))
                   : fx.dataFolder();
    }
    QString at(const QString& relative) const { return QDir(root()).filePath(relative); }
    QString key(const QString& relative) const
    {
        return QDir(fx.base()).relativeFilePath(at(relative));
    }

    void prepare();
    void act();

    Op m_op;
    DataFixture fx;
    MessageScript script;
    std::unique_ptr<AppHarness> app;
};

void Scenario::prepare()
{
    AppHarness& a = *app;
    switch (m_op) {
    case Op::BatchCreation:
    case Op::CounterAdvance:
        openFromMenu(a, QStringLiteral("CommandButton2"), QStringLiteral("NewBatch"));
        type(a, QStringLiteral("Name_TextBox"), QStringLiteral("Dora Lee"));
        type(a, QStringLiteral("Variety_Text"), QStringLiteral("Merlot"));
        type(a, QStringLiteral("Colour_Text"), QStringLiteral("Red"));
        clickListItem(a, QStringLiteral("List1"), 0);
        QVERIFY(a.click(QStringLiteral("CommandButton2")));
        QCOMPARE(a.visibleName(), QStringLiteral("NewBatch2"));
        break;
    case Op::Complete:
        openFromMenu(a, QStringLiteral("CommandButton1"), QStringLiteral("ThingsToDoToday"));
        doubleClickCell(a, 1, 1);
        QCOMPARE(a.control<QLabel>(QStringLiteral("BatchIDLabel"))->text(), kAnn);
        QTest::mouseClick(a.control<QAbstractButton>(QStringLiteral("CheckBox1")), Qt::LeftButton,
                          Qt::NoModifier,
                          QPoint(8, a.control<QWidget>(QStringLiteral("CheckBox1"))->height() / 2));
        QVERIFY(a.control<QAbstractButton>(QStringLiteral("CheckBox1"))->isChecked());
        type(a, QStringLiteral("AmountText"), QStringLiteral("1 tsp"));
        break;
    case Op::Postpone:
    case Op::ManualAction:
        openFromMenu(a, QStringLiteral("CommandButton1"), QStringLiteral("ThingsToDoToday"));
        doubleClickCell(a, 2, 1);
        QCOMPARE(a.control<QLabel>(QStringLiteral("BatchIDLabel"))->text(), kBob);
        QVERIFY(a.click(QStringLiteral("PushCommand")));
        type(a, QStringLiteral("PushText"), QStringLiteral("3"));
        if (m_op == Op::Postpone)
            break;
        QVERIFY(a.click(QStringLiteral("CommandButton3")));
        QCOMPARE(a.visibleName(), QStringLiteral("InsertNewAction"));
        type(a, QStringLiteral("Text4"), QStringLiteral("Away for the holidays"));
        break;
    case Op::EditorSave:
        openFromMenu(a, QStringLiteral("CommandButton3"), QStringLiteral("ExistingInventory"));
        doubleClickCell(a, rowOf(a, kBob), 1);
        QCOMPARE(a.visibleName(), QStringLiteral("ExistingInventory2"));
        enterCell(a, 1, 5, QStringLiteral("Stirred twice"));
        break;
    case Op::RecipeCreate:
        openFromMenu(a, QStringLiteral("CommandButton4"), QStringLiteral("NewRecipe"));
        QCOMPARE(a.control<QLabel>(QStringLiteral("NewRecipeNumber"))->text(),
                 QStringLiteral("0005"));
        type(a, QStringLiteral("Name_TextBox"), QStringLiteral("Gamay three week kit"));
        enterCell(a, 1, 0, QStringLiteral("1"));
        enterCell(a, 1, 1, QStringLiteral("Add yeast and stir"));
        break;
    case Op::RecipeModify:
        openFromMenu(a, QStringLiteral("CommandButton8"), QStringLiteral("ModifyRecipe"));
        doubleClickCell(a, rowOf(a, QStringLiteral("0003")), 1);
        QCOMPARE(a.visibleName(), QStringLiteral("ModifyRecipe2"));
        type(a, QStringLiteral("Name_TextBox"), QStringLiteral("Merlot six week kit, oaked"));
        break;
    case Op::FirstRunSetUp:
        break; // the program asks as it starts
    }
}

void Scenario::act()
{
    AppHarness& a = *app;
    switch (m_op) {
    case Op::BatchCreation:
    case Op::CounterAdvance:
        QVERIFY(a.click(QStringLiteral("Continue_Command")));
        break;
    case Op::Complete:
        QVERIFY(a.click(QStringLiteral("UpdateCommand")));
        break;
    case Op::Postpone:
    case Op::ManualAction:
        QVERIFY(a.click(QStringLiteral("CommandButton3")));
        break;
    case Op::EditorSave:
        script.answer(0); // "Are you sure you want to save the changes ?"
        QVERIFY(a.click(QStringLiteral("CommandButton2")));
        break;
    case Op::RecipeCreate:
        QVERIFY(a.click(QStringLiteral("CommandButton1")));
        break;
    case Op::RecipeModify:
        script.answer(0);
        QVERIFY(a.click(QStringLiteral("CommandButton1")));
        break;
    case Op::FirstRunSetUp:
        // Create the suggested folder; after a failure, OK and then exit.
        script.answer(0).answer(0).answer(2);
        a.start();
        break;
    }
}

// A healthy run of each operation, kept for comparison.
QMap<QString, QByteArray> healthyResult(Op op)
{
    static QMap<int, QMap<QString, QByteArray>> results;
    auto found = results.constFind(int(op));
    if (found != results.constEnd())
        return *found;
    Scenario run(op);
    run.prepare();
    run.act();
    const QMap<QString, QByteArray> after = filesUnder(run.fx.base());
    for (const auto& shown : run.script.shown())
        if (shown.kind == widgets::Messages::Shown::Warning)
            qWarning("healthy %s warned: %s", operation(op).name, qPrintable(shown.text));
    results.insert(int(op), after);
    return after;
}

QByteArray partOf(const QByteArray& bytes)
{
    return bytes.left(bytes.size() / 2);
}

} // namespace

Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(Failure)

class FaultMatrixTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { store::Clock::setFixedToday(AppHarness::defaultToday()); }
    void cleanup()
    {
        store::setWriteFaultHook(nullptr);
        AppHarness::settle();
    }
    void writeMeetsFailure_data();
    void writeMeetsFailure();
};

void FaultMatrixTest::writeMeetsFailure_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<Failure>("failure");
    const QList<Op> ops{Op::BatchCreation, Op::CounterAdvance, Op::Complete,
                        Op::Postpone,      Op::ManualAction,   Op::EditorSave,
                        Op::RecipeCreate,  Op::RecipeModify,   Op::FirstRunSetUp};
    const QList<Failure> failures{
        Failure::None,          Failure::ScratchInTheWay,   Failure::WriteFailsPartWay,
        Failure::RenameRefused, Failure::DestinationExists, Failure::FolderMissing,
        Failure::FileVanished};
    for (const Op op : ops) {
        for (const Failure failure : failures) {
            QTest::addRow("%s: %s", operation(op).name, failureName(failure)) << op << failure;
        }
    }
}

void FaultMatrixTest::writeMeetsFailure()
{
    QFETCH(Op, op);
    QFETCH(Failure, failure);
    const Operation writing = operation(op);
    const QMap<QString, QByteArray> healthy = healthyResult(op);

    Scenario run(op);
    run.prepare();
    if (QTest::currentTestFailed())
        return;

    // For the counter, every fault strikes its own write; the batch is written first.
    Outcome outcome = op == Op::CounterAdvance ? Outcome::BatchWithoutCounter : Outcome::Unchanged;
    QString names = writing.names;
    QStringList vanished; // files someone else removes during the write
    QStringList kept;     // files of the shop's own that a set-up must keep
    QString unplugged;    // the data folder, pulled out during the write
    std::unique_ptr<StepFault> fault;
    const QString scratch = run.at(writing.scratch);
    const QString target = run.at(writing.target);

    switch (failure) {
    case Failure::None:
        outcome = Outcome::Done;
        break;
    case Failure::ScratchInTheWay:
        QVERIFY(QDir().mkpath(scratch)); // a folder of that name
        break;
    case Failure::WriteFailsPartWay:
        fault = std::make_unique<StepFault>(store::WriteStep::WriteScratch, scratch, [&] {
            QFile file(scratch);
            file.open(QIODevice::Append);
            file.write(partOf(healthy.value(run.key(writing.target), "Ann Smith\r\n12 Vi")));
            return false;
        });
        break;
    case Failure::RenameRefused:
        fault = std::make_unique<StepFault>(store::WriteStep::Rename, target, [] { return false; });
        break;
    case Failure::DestinationExists:
        outcome = writing.onDestination;
        switch (op) {
        case Op::BatchCreation: // a batch of that identifier was finished elsewhere
            run.fx.writeBatch(kNextBatch, sampleBatch(1, QStringLiteral("Eve Park")),
                              QStringLiteral("Completed Batches"));
            break;
        case Op::Complete: // an older copy of Ann's batch is already in the archive
            run.fx.writeBytes(QStringLiteral("Completed Batches/") + kAnn + QStringLiteral(".txt"),
                              "an older copy\r\n");
            break;
        case Op::RecipeCreate: // saved meanwhile under the offered number
            run.fx.writeRecipe(QStringLiteral("0005"), QStringLiteral("Someone else's"), {});
            break;
        case Op::FirstRunSetUp: // the folder already holds the shop's own list
            QVERIFY(QDir().mkpath(run.at(QStringLiteral("Misc"))));
            run.fx.writeBytes(QStringLiteral("../Documents/Vintrelo Data/Misc/Varieties.txt"),
                              "Gamay\r\n");
            kept << run.key(QStringLiteral("Misc/Varieties.txt"));
            break;
        default: // a working file left by an interrupted run is simply replaced
            run.fx.writeBytes(QDir(run.fx.dataFolder()).relativeFilePath(scratch),
                              "left over from a power cut\r\n");
            break;
        }
        break;
    case Failure::FolderMissing:
        names = writing.folderNames;
        if (op == Op::CounterAdvance) {
            // The data folder's drive is pulled out just as the counter is written.
            unplugged = run.fx.dataFolder() + QStringLiteral(" (unplugged)");
            fault = std::make_unique<StepFault>(store::WriteStep::OpenScratch, scratch, [&] {
                return QDir().rename(run.fx.dataFolder(), unplugged);
            });
        } else if (op == Op::FirstRunSetUp) {
            fault = std::make_unique<StepFault>(store::WriteStep::OpenScratch, scratch, [&] {
                return QDir(run.at(writing.folder)).removeRecursively();
            });
        } else {
            QVERIFY(QDir().rename(run.at(writing.folder),
                                  run.at(writing.folder + QStringLiteral(" (moved)"))));
        }
        break;
    case Failure::FileVanished:
        if (op == Op::CounterAdvance) {
            QVERIFY(QFile::remove(target)); // between the form's load and the write
            vanished << run.key(writing.target);
        } else if (writing.replaces) {
            fault = std::make_unique<StepFault>(store::WriteStep::OpenScratch, scratch,
                                                [&] { return QFile::remove(target); });
            vanished << run.key(writing.target);
        } else {
            fault = std::make_unique<StepFault>(store::WriteStep::Rename, target,
                                                [&] { return QFile::remove(scratch); });
        }
        break;
    }

    const QMap<QString, QByteArray> before = filesUnder(run.fx.base());
    run.act();
    if (!unplugged.isEmpty()) {
        QVERIFY(QDir().rename(unplugged, run.fx.dataFolder()));
        // The write ended while the folder was away, so its lock file comes back
        // with the folder: this copy's next write takes it over at once.
        const QString lock = QDir(run.fx.dataFolder()).filePath(store::kLockFile);
        QVERIFY(QFile::exists(lock));
        {
            const store::FolderLock next(run.fx.dataRoot());
        }
        QVERIFY(!QFile::exists(lock));
    }
    if (fault)
        QVERIFY2(fault->fired(), "the fault never struck: the write took another path");
    const QMap<QString, QByteArray> after = filesUnder(run.fx.base());

    // No working file outlives the write.
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        QVERIFY2(!isScratchName(it.key()), qPrintable(it.key() + QStringLiteral(" was left")));

    QMap<QString, QByteArray> expected;
    switch (outcome) {
    case Outcome::Unchanged:
        expected = before;
        for (const QString& gone : vanished)
            expected.remove(gone);
        break;
    case Outcome::Done:
        expected = healthy;
        for (const QString& file : kept)
            expected.insert(file, before.value(file));
        break;
    case Outcome::BatchWithoutCounter: {
        expected = healthy;
        const QString counter = run.key(QStringLiteral("Batch-ID.txt"));
        if (before.contains(counter))
            expected.insert(counter, before.value(counter));
        else
            expected.remove(counter);
        break;
    }
    }
    // Compared file by file, so a failure names the file that differs.
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(after.contains(it.key()), qPrintable(it.key() + QStringLiteral(" is missing")));
        QCOMPARE(after.value(it.key()), it.value());
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        QVERIFY2(expected.contains(it.key()), qPrintable(it.key() + QStringLiteral(" appeared")));

    // The user was told, naming the file; a write that went through says nothing.
    QStringList warnings;
    for (const auto& shown : run.script.shown()) {
        if (shown.kind == widgets::Messages::Shown::Warning)
            warnings << shown.text;
    }
    if (outcome == Outcome::Done) {
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QStringLiteral("\n"))));
    } else {
        QVERIFY2(!warnings.filter(names).isEmpty(),
                 qPrintable(QStringLiteral("no message names %1: %2")
                                .arg(names, warnings.join(QStringLiteral(" | ")))));
    }
    QVERIFY(run.app->strayDialogs().isEmpty());
    // The program keeps running (the first run ends only because "Exit" was chosen).
    if (op != Op::FirstRunSetUp || outcome == Outcome::Done)
        QVERIFY(run.app->visible());
}

VINTRELO_TEST_MAIN(FaultMatrixTest)
#include "tst_fault_matrix.moc"

#pragma once

#include <QString>
#include <QStringList>

namespace store {

// The value of a line, as a message about a line break in it names it.
struct LineField
{
    enum Kind
    {
        Line,           // number: the line's number from 1
        HeaderField,    // name: the field's caption
        ActionField,    // name: the field's caption; number: the action's
        Description,    // a recipe's first line
        Step,           // number: the step's
        DataFolderPath, // the location file's line
    };
    Kind kind = Line;
    QString name;
    qsizetype number = 0;
};

// The file or folder a message is about. Every message is a whole sentence for
// each kind of file (FileSubject.cpp), never a phrase such as "the batch file"
// spliced into a sentence, so that a translation can word each one.
class FileSubject
{
public:
    enum Kind
    {
        BatchFile,        // of one batch, named by its identifier
        RecipeFile,       // named by its file name or path
        ListedRecipe,     // a recipe file read for the list of recipes
        BatchCounter,     // the batch counter file
        LocationFile,     // "VT.Loc"
        ChemicalChart,    // the chemical and ingredient chart
        VarietyList,      // the list of grape varieties
        RecipeActionList, // the list of recipe actions
        StarterFile,      // a file of the starter data, named by its relative path
        ActiveBatches,    // the folder of the batches in progress
        CompletedBatches, // the folder of the completed batches
        Recipes,          // the recipe folder
        KindCount
    };

    // What happened to it. The arguments each message takes follow its name.
    enum Message
    {
        NotFound,      // path
        CannotOpen,    // path, reason
        ReadFailed,    // path, reason
        ScratchFailed, // working file, reason
        ReplaceFailed, // path, reason
        CreateExists,  // path
        CreateFailed,  // path, reason
        MoveNoFolder,  // destination folder, path
        MoveExists,    // destination, path
        MoveFailed,    // destination, reason, path
        FolderMissing, // folder
        MessageCount
    };

    explicit FileSubject(Kind kind, const QString& name = QString()) : m_kind(kind), m_name(name) {}
    static FileSubject batchFile(const QString& batchId) { return FileSubject(BatchFile, batchId); }
    static FileSubject recipeFile(const QString& name) { return FileSubject(RecipeFile, name); }

    Kind kind() const { return m_kind; }

    // The message about this file, translated, with `args` filled in.
    QString say(Message message, const QStringList& args) const;
    // The refusal of a value holding a line break.
    QString refuseLineBreak(const LineField& field) const;

private:
    Kind m_kind;
    QString m_name;
};

} // namespace store

#include "store/FileSubject.h"

#include "store/StoreError.h"

namespace store {

namespace {

// Each kind's messages. A message no caller of that kind can meet is left out;
// should one be asked for all the same, the general wording serves.
const char* kindText(FileSubject::Kind kind, FileSubject::Message message)
{
    switch (kind) {
    case FileSubject::BatchFile:
        switch (message) {
        case FileSubject::NotFound:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not find the batch file of batch %1 \"%2\". Check that "
                         "the file is there, or restore it from your backup.");
        case FileSubject::CannotOpen:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the batch file of batch %1 \"%2\" (%3). Check "
                         "that the file is not open in another program and that you may read it.");
        case FileSubject::ReadFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the batch file of batch %1 \"%2\" (%3).");
        case FileSubject::ScratchFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not write the working file \"%2\" while saving the batch "
                         "file of batch %1 (%3). Nothing was changed. Check that the data folder "
                         "is not read-only and that the disk is not full, then try again.");
        case FileSubject::ReplaceFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not replace the batch file of batch %1 \"%2\" with its "
                         "new content (%3). The file was left as it was. Check that the data "
                         "folder is not read-only, then try again.");
        case FileSubject::CreateExists:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo did not create the batch file of batch %1 \"%2\" because a file "
                         "of that name already exists. Nothing was changed.");
        case FileSubject::CreateFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not create the batch file of batch %1 \"%2\" (%3). "
                         "Nothing was changed.");
        case FileSubject::MoveNoFolder:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not move the batch file of batch %1 because the folder "
                         "\"%2\" does not exist. The file stays at \"%3\".");
        case FileSubject::MoveExists:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not move the batch file of batch %1 because \"%2\" "
                         "already exists. Neither file was changed; the file stays at \"%3\".");
        case FileSubject::MoveFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not move the batch file of batch %1 to \"%2\" (%3). The "
                         "file stays at \"%4\".");
        default:
            return nullptr;
        }
    case FileSubject::RecipeFile:
        switch (message) {
        case FileSubject::NotFound:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not find the recipe file \"%1\" \"%2\". Check that the "
                         "file is there, or restore it from your backup.");
        case FileSubject::CannotOpen:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the recipe file \"%1\" \"%2\" (%3). Check that "
                         "the file is not open in another program and that you may read it.");
        case FileSubject::ReadFailed:
            return QT_TRANSLATE_NOOP("Store",
                                     "Vintrelo could not read the recipe file \"%1\" \"%2\" (%3).");
        case FileSubject::ScratchFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not write the working file \"%2\" while saving the recipe "
                         "file \"%1\" (%3). Nothing was changed. Check that the data folder is not "
                         "read-only and that the disk is not full, then try again.");
        case FileSubject::ReplaceFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not replace the recipe file \"%1\" \"%2\" with its new "
                         "content (%3). The file was left as it was. Check that the data folder is "
                         "not read-only, then try again.");
        case FileSubject::CreateExists:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo did not create the recipe file \"%1\" \"%2\" because a file of "
                         "that name already exists. Nothing was changed.");
        case FileSubject::CreateFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not create the recipe file \"%1\" \"%2\" (%3). Nothing "
                         "was changed.");
        default:
            return nullptr;
        }
    case FileSubject::ListedRecipe:
        switch (message) {
        case FileSubject::NotFound:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not find the recipe file \"%1\". Check that the file is "
                         "there, or restore it from your backup.");
        case FileSubject::CannotOpen:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the recipe file \"%1\" (%2). Check that the file "
                         "is not open in another program and that you may read it.");
        case FileSubject::ReadFailed:
            return QT_TRANSLATE_NOOP("Store",
                                     "Vintrelo could not read the recipe file \"%1\" (%2).");
        default:
            return nullptr;
        }
    case FileSubject::BatchCounter:
        switch (message) {
        case FileSubject::NotFound:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not find the batch counter file \"%1\". Check that the "
                         "file is there, or restore it from your backup.");
        case FileSubject::CannotOpen:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the batch counter file \"%1\" (%2). Check that "
                         "the file is not open in another program and that you may read it.");
        case FileSubject::ReadFailed:
            return QT_TRANSLATE_NOOP("Store",
                                     "Vintrelo could not read the batch counter file \"%1\" (%2).");
        case FileSubject::ScratchFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not write the working file \"%1\" while saving the batch "
                         "counter file (%2). Nothing was changed. Check that the data folder is "
                         "not read-only and that the disk is not full, then try again.");
        case FileSubject::ReplaceFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not replace the batch counter file \"%1\" with its new "
                         "content (%2). The file was left as it was. Check that the data folder is "
                         "not read-only, then try again.");
        default:
            return nullptr;
        }
    case FileSubject::LocationFile:
        switch (message) {
        case FileSubject::NotFound:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not find the location file \"%1\". Check that the file is "
                         "there, or restore it from your backup.");
        case FileSubject::CannotOpen:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the location file \"%1\" (%2). Check that the "
                         "file is not open in another program and that you may read it.");
        case FileSubject::ReadFailed:
            return QT_TRANSLATE_NOOP("Store",
                                     "Vintrelo could not read the location file \"%1\" (%2).");
        case FileSubject::ScratchFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not write the working file \"%1\" while saving the "
                         "location file (%2). Nothing was changed. Check that the data folder is "
                         "not read-only and that the disk is not full, then try again.");
        case FileSubject::ReplaceFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not replace the location file \"%1\" with its new content "
                         "(%2). The file was left as it was. Check that the data folder is not "
                         "read-only, then try again.");
        default:
            return nullptr;
        }
    case FileSubject::ChemicalChart:
        switch (message) {
        case FileSubject::NotFound:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not find the chemical and ingredient chart \"%1\". Check "
                         "that the file is there, or restore it from your backup.");
        case FileSubject::CannotOpen:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the chemical and ingredient chart \"%1\" (%2). "
                         "Check that the file is not open in another program and that you may read "
                         "it.");
        case FileSubject::ReadFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the chemical and ingredient chart \"%1\" (%2).");
        default:
            return nullptr;
        }
    case FileSubject::VarietyList:
        switch (message) {
        case FileSubject::NotFound:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not find the variety list \"%1\". Check that the file is "
                         "there, or restore it from your backup.");
        case FileSubject::CannotOpen:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the variety list \"%1\" (%2). Check that the "
                         "file is not open in another program and that you may read it.");
        case FileSubject::ReadFailed:
            return QT_TRANSLATE_NOOP("Store",
                                     "Vintrelo could not read the variety list \"%1\" (%2).");
        default:
            return nullptr;
        }
    case FileSubject::RecipeActionList:
        switch (message) {
        case FileSubject::NotFound:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not find the list of recipe actions \"%1\". Check that "
                         "the file is there, or restore it from your backup.");
        case FileSubject::CannotOpen:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the list of recipe actions \"%1\" (%2). Check "
                         "that the file is not open in another program and that you may read it.");
        case FileSubject::ReadFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not read the list of recipe actions \"%1\" (%2).");
        default:
            return nullptr;
        }
    case FileSubject::StarterFile:
        switch (message) {
        case FileSubject::ScratchFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not write the working file \"%2\" while saving the file "
                         "\"%1\" (%3). Nothing was changed. Check that the data folder is not "
                         "read-only and that the disk is not full, then try again.");
        case FileSubject::CreateExists:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo did not create the file \"%1\" \"%2\" because a file of that "
                         "name already exists. Nothing was changed.");
        case FileSubject::CreateFailed:
            return QT_TRANSLATE_NOOP(
                "Store", "Vintrelo could not create the file \"%1\" \"%2\" (%3). Nothing was "
                         "changed.");
        default:
            return nullptr;
        }
    case FileSubject::ActiveBatches:
        switch (message) {
        case FileSubject::FolderMissing:
            return QT_TRANSLATE_NOOP(
                "Store", "The folder of the batches in progress \"%1\" does not exist. Check the "
                         "data folder named in the location file, or restore the folder from your "
                         "backup.");
        default:
            return nullptr;
        }
    case FileSubject::CompletedBatches:
        switch (message) {
        case FileSubject::FolderMissing:
            return QT_TRANSLATE_NOOP(
                "Store", "The folder of the completed batches \"%1\" does not exist. Check the "
                         "data folder named in the location file, or restore the folder from your "
                         "backup.");
        default:
            return nullptr;
        }
    case FileSubject::Recipes:
        switch (message) {
        case FileSubject::FolderMissing:
            return QT_TRANSLATE_NOOP(
                "Store", "The folder of the recipes \"%1\" does not exist. Check the data folder "
                         "named in the location file, or restore the folder from your backup.");
        default:
            return nullptr;
        }
    case FileSubject::KindCount:
        break;
    }
    return nullptr;
}

// The same messages for a file of any kind.
const char* generalText(FileSubject::Message message)
{
    switch (message) {
    case FileSubject::NotFound:
        return QT_TRANSLATE_NOOP(
            "Store", "Vintrelo could not find the file \"%1\". Check that the file is there, "
                     "or restore it from your backup.");
    case FileSubject::CannotOpen:
        return QT_TRANSLATE_NOOP(
            "Store", "Vintrelo could not read the file \"%1\" (%2). Check that the file is not "
                     "open in another program and that you may read it.");
    case FileSubject::ReadFailed:
        return QT_TRANSLATE_NOOP("Store", "Vintrelo could not read the file \"%1\" (%2).");
    case FileSubject::ScratchFailed:
        return QT_TRANSLATE_NOOP(
            "Store", "Vintrelo could not write the working file \"%1\" (%2). Nothing was "
                     "changed. Check that the data folder is not read-only and that the disk "
                     "is not full, then try again.");
    case FileSubject::ReplaceFailed:
        return QT_TRANSLATE_NOOP(
            "Store", "Vintrelo could not replace the file \"%1\" with its new content (%2). "
                     "The file was left as it was. Check that the data folder is not "
                     "read-only, then try again.");
    case FileSubject::CreateExists:
        return QT_TRANSLATE_NOOP(
            "Store", "Vintrelo did not create the file \"%1\" because a file of that name "
                     "already exists. Nothing was changed.");
    case FileSubject::CreateFailed:
        return QT_TRANSLATE_NOOP(
            "Store", "Vintrelo could not create the file \"%1\" (%2). Nothing was changed.");
    case FileSubject::MoveNoFolder:
        return QT_TRANSLATE_NOOP(
            "Store", "Vintrelo could not move a file because the folder \"%1\" does not exist. "
                     "The file stays at \"%2\".");
    case FileSubject::MoveExists:
        return QT_TRANSLATE_NOOP(
            "Store", "Vintrelo could not move a file because \"%1\" already exists. Neither "
                     "file was changed; the file stays at \"%2\".");
    case FileSubject::MoveFailed:
        return QT_TRANSLATE_NOOP(
            "Store", "Vintrelo could not move a file to \"%1\" (%2). The file stays at \"%3\".");
    case FileSubject::FolderMissing:
        return QT_TRANSLATE_NOOP(
            "Store", "The folder \"%1\" does not exist. Check the data folder named in the "
                     "location file, or restore the folder from your backup.");
    case FileSubject::MessageCount:
        break;
    }
    return "";
}

bool isNamed(FileSubject::Kind kind)
{
    return kind == FileSubject::BatchFile || kind == FileSubject::RecipeFile ||
           kind == FileSubject::StarterFile;
}

// Fills every placeholder in one pass, so that a path holding "%1" stays as it is.
QString filled(const QString& text, const QStringList& args)
{
    switch (args.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(args[0]);
    case 2:
        return text.arg(args[0], args[1]);
    case 3:
        return text.arg(args[0], args[1], args[2]);
    case 4:
        return text.arg(args[0], args[1], args[2], args[3]);
    default:
        return text.arg(args[0], args[1], args[2], args[3], args[4]);
    }
}

} // namespace

QString FileSubject::say(Message message, const QStringList& args) const
{
    if (const char* text = kindText(m_kind, message)) {
        return filled(StoreText::tr(text), isNamed(m_kind) ? QStringList{m_name} + args : args);
    }
    return filled(StoreText::tr(generalText(message)), args);
}

QString FileSubject::refuseLineBreak(const LineField& field) const
{
    const QString number = QString::number(field.number);
    switch (m_kind) {
    case BatchFile:
        if (field.kind == LineField::HeaderField)
            return filled(
                StoreText::tr(
                    "Vintrelo did not write the batch file of batch %1: the \"%2\" holds a "
                    "line break, which would split it over two lines of the file. Nothing was "
                    "changed. Type it on one line, then try again."),
                {m_name, field.name});
        if (field.kind == LineField::ActionField)
            return filled(
                StoreText::tr(
                    "Vintrelo did not write the batch file of batch %1: the \"%2\" of action "
                    "%3 holds a line break, which would split it over two lines of the file. "
                    "Nothing was changed. Type it on one line, then try again."),
                {m_name, field.name, number});
        return filled(
            StoreText::tr("Vintrelo did not write the batch file of batch %1: line %2 holds a line "
                          "break, which would split it over two lines of the file. Nothing was "
                          "changed. Type it on one line, then try again."),
            {m_name, number});
    case RecipeFile:
        if (field.kind == LineField::Description)
            return filled(
                StoreText::tr(
                    "Vintrelo did not write the recipe file \"%1\": the description holds a "
                    "line break, which would split it over two lines of the file. Nothing was "
                    "changed. Type it on one line, then try again."),
                {m_name});
        return filled(
            StoreText::tr("Vintrelo did not write the recipe file \"%1\": step %2 holds a line "
                          "break, which would split it over two lines of the file. Nothing was "
                          "changed. Type it on one line, then try again."),
            {m_name, number});
    case LocationFile:
        return StoreText::tr(
            "Vintrelo did not write the location file: the data folder's path holds a "
            "line break, which would split it over two lines of the file. Nothing was "
            "changed. Type it on one line, then try again.");
    case StarterFile:
        return filled(
            StoreText::tr("Vintrelo did not write the file \"%1\": line %2 holds a line break, "
                          "which would split it over two lines of the file. Nothing was changed. "
                          "Type it on one line, then try again."),
            {m_name, number});
    default:
        return StoreText::tr(
                   "Vintrelo did not write a file: line %1 holds a line break, which would "
                   "split it over two lines of the file. Nothing was changed. Type it on one "
                   "line, then try again.")
            .arg(number);
    }
}

} // namespace store

#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace store {

// The batch being created, from the start-up form to batch creation and the tag.
// Fields in batch-file order (BatchID names the file; the rest are lines 1-20).
struct PendingBatch
{
    QString BatchID;
    QString CustomerName;
    QString Address;
    QString City;
    QString Province;
    QString PostalCode;
    QString Phone1;
    QString Phone2;
    QString Email;
    QString OtherID;
    QString SerialNumber;
    QString Variety;
    QString Colour;
    QString Vintage;
    QString MustType;
    QString Source;
    QString BatchSize;
    QString Cost;
    QString Vintner;
    QString StartDate;
    QString RecipeNumber;
};

// Where "Go Back" of the batch editor and the completed view returns to: the
// list the batch was opened from, the search, or the main menu (a scanned tag).
enum class BatchOpenedFrom
{
    List,
    Find,
    MainMenu
};

// What the screens hand to each other during one run; nothing of it is saved.
struct RunState
{
    QString DataRoot;               // data folder path ending in a separator
    QString TodayText;              // today in the long date format, fixed by the opening screen
    QString SelectedBatchID;        // a batch ID, or a recipe number from the recipe list
    qint16 SelectedActionIndex = 0; // record number (from 1) of the opened action
    qint16 AboutReturnTarget = 0;   // 1 = opening screen, 0 = main menu
    BatchOpenedFrom OpenedFrom = BatchOpenedFrom::List; // of the batch SelectedBatchID names
    store::PendingBatch PendingBatch;
    // Damaged batch files the task list has named since it was opened from the
    // main menu; its reloads after a change do not name them again.
    QStringList DamagedFilesNamed;
};

} // namespace store

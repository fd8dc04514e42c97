#pragma once

#include "store/BatchFile.h"
#include "store/RunState.h"

namespace store {

// Where a pending batch keeps each of the twenty header fields, in header-line
// order: every copy between a pending batch and a header goes through this.
struct ParticularField
{
    BatchHeader::Field field;
    QString PendingBatch::*member;
};

inline constexpr ParticularField kParticularFields[kHeaderFields] = {
    {BatchHeader::CustomerName, &PendingBatch::CustomerName},
    {BatchHeader::Address, &PendingBatch::Address},
    {BatchHeader::City, &PendingBatch::City},
    {BatchHeader::Province, &PendingBatch::Province},
    {BatchHeader::PostalCode, &PendingBatch::PostalCode},
    {BatchHeader::Phone1, &PendingBatch::Phone1},
    {BatchHeader::Phone2, &PendingBatch::Phone2},
    {BatchHeader::Email, &PendingBatch::Email},
    {BatchHeader::OtherID, &PendingBatch::OtherID},
    {BatchHeader::SerialNumber, &PendingBatch::SerialNumber},
    {BatchHeader::Variety, &PendingBatch::Variety},
    {BatchHeader::Colour, &PendingBatch::Colour},
    {BatchHeader::Vintage, &PendingBatch::Vintage},
    {BatchHeader::MustType, &PendingBatch::MustType},
    {BatchHeader::Source, &PendingBatch::Source},
    {BatchHeader::BatchSize, &PendingBatch::BatchSize},
    {BatchHeader::Cost, &PendingBatch::Cost},
    {BatchHeader::Vintner, &PendingBatch::Vintner},
    {BatchHeader::StartDate, &PendingBatch::StartDate},
    {BatchHeader::RecipeNumber, &PendingBatch::RecipeNumber},
};

// A pending batch's value of one header field.
QString& particular(PendingBatch& batch, BatchHeader::Field field);
const QString& particular(const PendingBatch& batch, BatchHeader::Field field);

// The header a new batch file starts with: the twenty fields of `batch`, then
// the five empty reserved lines and the separator.
BatchHeader headerOf(const PendingBatch& batch);

} // namespace store

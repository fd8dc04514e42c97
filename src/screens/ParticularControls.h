#pragma once

#include "store/BatchFile.h"

namespace screens {

// The header fields a person types and reads, in header-line order (lines 1 to
// 19; the recipe number is picked from a list and never shown as such): the
// field's entry box on the start-up form and its value label on the preview,
// the batch editor and the completed view.
struct ParticularControl
{
    store::BatchHeader::Field field;
    const char* entryBox;
    const char* valueLabel;
};

inline constexpr ParticularControl kParticularControls[] = {
    {store::BatchHeader::CustomerName, "Name_TextBox", "Name_Label"},
    {store::BatchHeader::Address, "Address_TextBox", "Address_Label"},
    {store::BatchHeader::City, "City_TextBox", "City_Label"},
    {store::BatchHeader::Province, "Province_TextBox", "Province_Label"},
    {store::BatchHeader::PostalCode, "PostalCode_TextBox", "PostalCode_Label"},
    {store::BatchHeader::Phone1, "Phone1_TextBox", "Phone1_Label"},
    {store::BatchHeader::Phone2, "Phone2_TextBox", "Phone2_Label"},
    {store::BatchHeader::Email, "Email_TextBox", "email_Label"},
    {store::BatchHeader::OtherID, "OtherID_TextBox", "OtherID_Label"},
    {store::BatchHeader::SerialNumber, "SerialNumber_TextBox", "SerialNumber_Label"},
    {store::BatchHeader::Variety, "Variety_Text", "Variety_Label"},
    {store::BatchHeader::Colour, "Colour_Text", "Colour_Label"},
    {store::BatchHeader::Vintage, "Vintage_TextBox", "Vintage_Label"},
    {store::BatchHeader::MustType, "MustType_TextBox", "MustType_Label"},
    {store::BatchHeader::Source, "Source_TextBox", "Source_Label"},
    {store::BatchHeader::BatchSize, "BatchSize_TextBox", "BatchSize_Label"},
    {store::BatchHeader::Cost, "Cost_TextBox", "Cost_Label"},
    {store::BatchHeader::Vintner, "Vintner_TextBox", "Vintner_Label"},
    {store::BatchHeader::StartDate, "Date_TextBox", "StartDate_Label"},
};

} // namespace screens

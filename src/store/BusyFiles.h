#pragma once

#include <QString>

namespace store {

// Renames `from` to `to` (never replacing a file there), trying again for a
// moment while another PC has it open: a Windows or Samba share refuses that.
bool renameWhenFree(const QString& from, const QString& to);

} // namespace store

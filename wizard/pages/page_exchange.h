// Moving a page's values between its members and its controls, one control
// at a time: the pages' UpdateData is a list of these calls. save = true reads
// the control into the value, false writes the value to the control. A
// missing control leaves the value alone.
#pragma once

#include <QString>

#include <cstdint>

class CDialogBase;

// An entry field's text; limit > 0 cuts the text read back to that many
// characters, whatever got into the field.
void ExchangeText(CDialogBase& dialog, int controlId, QString& value, bool save, int limit = 0);

// An address field's 32-bit value (blank reads as 0).
void ExchangeAddress(CDialogBase& dialog, int controlId, std::uint32_t& value, bool save);

// A drop-down list's selected index (-1 for none).
void ExchangeListIndex(CDialogBase& dialog, int controlId, int& index, bool save);

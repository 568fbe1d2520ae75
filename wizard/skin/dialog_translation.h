// Dialog captions are language keys; translation swaps each for its text.
#pragma once

class CDialogBase;
class CLanguageTable;

// Replaces the caption of each direct child control of dialog, in child
// order, by the text found under it, unless that text is empty (a missing key
// or "[~NULL~]" leaves the caption), then pushes the dialog's data to its
// controls.
void TranslateDialog(const CLanguageTable& table, CDialogBase& dialog);

// The application's language table for windows that are shown on their own
// (the message box). Set once at start-up, before any window opens; null
// leaves captions untranslated.
void SetProgramLanguageTable(const CLanguageTable* table);
const CLanguageTable* ProgramLanguageTable();

// Fonts of the skinned controls. Sizes are points at the classic 96 DPI, so
// text keeps its place in layouts given in dialog units; Qt scales both
// together on high-DPI screens.
#pragma once

#include <QFont>
#include <QString>

struct SkinFontStyle {
    int pointSize = 9;
    QString face;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The font a style describes: pixel height = points × 96 / 72 (rounded like
// MulDiv), weight bold or normal, the face as named (Qt substitutes a face the
// system lacks).
QFont MakeSkinFont(const SkinFontStyle& style);

// The font the pages' templates name, 8-point "MS Shell Dlg": what controls
// that no skin function restyles (the drop-down lists) are drawn in. That
// name is a Windows alias; elsewhere it stands for the same sans serif the
// skin uses, so a list keeps the metrics its template width was made for.
QFont DialogTemplateFont();

// The face the skin functions write text in: what the program set (its
// setting.ini's "FontName" of [Font]), "Arial" until it sets one. GUI thread
// only; set once at start-up, before any skinned window opens.
QString GetSkinFontName();
void SetSkinFontName(const QString& face);

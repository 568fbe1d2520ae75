// The look of the drop-down lists. The platform style gives a closed list's
// drop arrow and frame about 25 pixels, a third of a 60-unit list, which cuts
// "Open System" and "802.11b/g/n mixed"; the classic control gave them 17.
#pragma once

class QStyle;

// A style for QComboBox that is the application's own except for a classic
// arrow width; one instance shared by every list, gone with the application.
QStyle* DropListStyle();

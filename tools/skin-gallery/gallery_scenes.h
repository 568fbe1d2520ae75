// The gallery's scenes: each draws one family of the toolkit into pictures.
#pragma once

class GalleryOutput;

void DrawButtonScenes(GalleryOutput& output);
void DrawFieldScenes(GalleryOutput& output);
void DrawDialogScenes(GalleryOutput& output);

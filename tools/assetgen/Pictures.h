#pragma once
// The picture generators, one per group of the texture catalogue. Each writes
// its PNG files into the runtime tree.

#include <string>

#include "Canvas.h"

// treeDir + "/" + folder + "/" + file, creating the folder.
std::string AssetPath(const std::string& treeDir, const std::string& folder, const std::string& file);
// Tight bounds of the covered pixels: x0, y0, x1, y1 (exclusive).
struct Bounds {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
Bounds CoveredBounds(const Mask& m);

void WriteFontAtlases(const std::string& treeDir);  // Font/FontNumber.png, Font/FontEnglish.png
void WriteHudPictures(const std::string& treeDir);  // info1..9.png, life.png
void WriteBlockPictures(const std::string& treeDir);  // wall.png, stone1.png, bomb.png
void WriteMenuPictures(const std::string& treeDir);   // title_1/2.png, cursor.png, Getready.png
void WriteScreens(const std::string& treeDir);        // the 800 x 600 screens and black.png
void WriteIcon(const std::string& treeDir);           // bin/game.ico
void WriteDesktopIcons(const std::string& treeDir);   // Icons/vexhop-32.png .. vexhop-256.png

// Pictures shared between generators.
Canvas GolemHead(int size);  // the player's face, as on the lives icon
Canvas BrickTile(bool cracked);  // one 50 x 46 breakable block
Canvas SteelTile();              // one 50 x 46 hard block

#pragma once
// Starting the title scene: the first scene of the game, and the one every
// game returns to (after game over, the option scene, the clear menu and the
// endings).

// Creates a new title scene in EventList.
void CreateTitleScene();

// Tests put their own maker in to see when a title scene is asked for; null
// restores the game's. Returns the maker in use before.
using SceneMaker = void (*)();
SceneMaker SetTitleSceneMaker(SceneMaker maker);

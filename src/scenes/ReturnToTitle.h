#pragma once
// How every scene hands back to the title at the end of its leave-out: the
// buttons still held are not seen by the new title, the music stops and a
// new title scene is made.

void ReturnToTitle();

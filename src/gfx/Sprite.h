#pragma once
// The batch through which system-font text is drawn. The session makes one
// and lends it to every text draw, and text drawn without one draws nothing.
// The font's device does the work: text is alpha blended, ignores depth and
// culling, and leaves the device's states as they were.

class CSprite {};

#pragma once
// The runner's `render FILE [WIDTH HEIGHT [RATIO]]`: paints the current game
// as the game view would, without a display, into a PNG file.

class CSimRunner;

void RegisterRenderCommand(CSimRunner& runner);

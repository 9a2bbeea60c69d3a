#pragma once
// The runner's `render FILE [WIDTH HEIGHT [RATIO]]`: paints the current game
// as the game view would, without a display, into a PNG file.

class CSimRunner;
class QGuiApplication;

// Registers the command with a runner for the lifetime of this object, which
// also owns the QGuiApplication that text drawing needs, made at the first
// render and destroyed here, while the rest of Qt is still alive.
class CRenderCommand {
  public:
    explicit CRenderCommand(CSimRunner& runner);
    ~CRenderCommand();
    CRenderCommand(const CRenderCommand&) = delete;
    CRenderCommand& operator=(const CRenderCommand&) = delete;

  private:
    QGuiApplication* app_ = nullptr;
};

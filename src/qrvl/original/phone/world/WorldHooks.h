// What the 3D layer's driver asks of the board scene: its loading steps, its
// per-frame update and drawing, and clearing it. The defaults stand for a
// game whose board is not built: nothing is loaded or drawn.
#pragma once

#include "qrvl/original/framework/InstalledHooks.h"

class CarMotion;
class FGResLoader;

class WorldHooks : public InstalledHooks<WorldHooks> {
public:
    virtual ~WorldHooks() = default;

    // Empties the loader and queues the scene's loading steps in it.
    virtual void SetupLoader(FGResLoader&) {}
    // Performs one queued step.
    virtual void LoadStep(int, int) {}
    // True when the scene's load could not read the board's model.
    virtual bool IsBoardUnreadable() { return false; }
    // Once the game mode starts: the camera, the ambient particles, and
    // updates run again.
    virtual void Init() {}
    // Camera, wheel and clicker motions, then the entities.
    virtual void Update() {}
    // True once the scene can be drawn (it has its camera).
    virtual bool CanRender() { return false; }
    virtual void Render() {}
    // A tap at window pixel (x, y), y counted from the bottom: picked by
    // the next drawing.
    virtual void Touch(int, int) {}
    // Free look over the car's body (over the wheel for none), and a jump
    // of the free look to the ground point (x, z).
    virtual void FreeLook(CarMotion*) { }
    virtual void MoveFreeLook(float, float) { }
    virtual void Clear() {}
    // A player's car of that colour on the board, hidden until placed, and
    // the motion that drives it; null without a board.
    virtual CarMotion* SpawnCar(int) { return nullptr; }
};

-- The peer's window: the size of the game's quads benchmark, frames drawn
-- back to back, and only the modules the drawing needs.
function love.conf(t)
    t.window.width = 1024
    t.window.height = 768
    t.window.vsync = 0
    t.window.title = "bench-love-quads"
    t.modules.audio = false
    t.modules.sound = false
    t.modules.joystick = false
    t.modules.physics = false
    t.modules.touch = false
    t.modules.video = false
end

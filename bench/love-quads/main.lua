-- 2D quads per second in LÖVE, the peer of bench-quads: the same sprites
-- (soft, partly transparent edges), the same counts and the same scattered
-- places, each sprite drawn on its own every frame (LÖVE batches them
-- itself), a full redraw with a clear and a present each frame. Prints
-- quads_love_SIZE=N lines for bench/run.sh, then quits.
--
--   love bench/love-quads

local loads = {{size = 8, quads = 20000}, {size = 32, quads = 10000}}
local warmUpFrames = 5
local measureSeconds = 0.8
local rounds = 5

-- Blue, green and red as bench-quads fills them.
local function spriteImage(size)
    local pixels = love.image.newImageData(size, size)
    for y = 0, size - 1 do
        for x = 0, size - 1 do
            local edge = x == 0 or y == 0 or x == size - 1 or y == size - 1
            local red = 40 + math.floor(x * 200 / size)
            local blue = 200 - math.floor(y * 150 / size)
            pixels:setPixel(x, y, red / 255, 90 / 255, blue / 255, edge and 128 / 255 or 1)
        end
    end
    local image = love.graphics.newImage(pixels)
    image:setFilter("nearest", "nearest")
    return image
end

-- state * 1103515245 + 12345 modulo 2^32, exact in doubles: the product
-- is taken in two 16-bit halves of the state.
local function nextState(state)
    local high, low = math.floor(state / 65536), state % 65536
    local product = (high * 1103515245 % 65536) * 65536 + low * 1103515245
    return (product + 12345) % 4294967296
end

-- bench-quads' linear congruential sequence, so both place alike.
local function scatter(count, width, height, size)
    local state = 12345
    local function nextValue(range)
        state = nextState(state)
        return math.floor(state / 256) % range
    end
    local places = {}
    for i = 1, count do
        local x = nextValue(width - size)
        places[i] = {x, nextValue(height - size)}
    end
    return places
end

local function drawFrame(image, places)
    love.event.pump()
    love.graphics.origin()
    love.graphics.clear(0, 0, 0, 1)
    for i = 1, #places do
        love.graphics.draw(image, places[i][1], places[i][2])
    end
    love.graphics.present()
end

local function measure(load)
    local image = spriteImage(load.size)
    local places = scatter(load.quads, love.graphics.getWidth(), love.graphics.getHeight(), load.size)
    for _ = 1, warmUpFrames do
        drawFrame(image, places)
    end
    local frames = 0
    local start = love.timer.getTime()
    local now = start
    while now - start < measureSeconds do
        drawFrame(image, places)
        frames = frames + 1
        now = love.timer.getTime()
    end
    image:release()
    return frames * load.quads / (now - start)
end

local function median(values)
    table.sort(values)
    return values[math.floor(#values / 2) + 1]
end

function love.run()
    return function()
        local results = {}
        for _ = 1, rounds do
            for i, load in ipairs(loads) do
                results[i] = results[i] or {}
                table.insert(results[i], measure(load))
            end
        end
        for i, load in ipairs(loads) do
            print(string.format("quads_love_%d=%.0f", load.size, median(results[i])))
        end
        io.stdout:flush()
        return 0
    end
end

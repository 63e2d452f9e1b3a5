// The game's millisecond timer.
#include "qrvl/original/framework/FGTimer.h"

#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/PresentationHooks.h"

FGTimer::~FGTimer()
{
    if (!registered)
        return;
    if (FGEngine* engine = FGEngine::getEngine())
        engine->unregisterTimer(this);
}

int FGTimer::clock() const
{
    return superTimer ? superTimer->elapsedTime() : static_cast<int>(FGEngine::clock());
}

void FGTimer::start(int ms)
{
    if (unregistered) {
        if (FGEngine* engine = FGEngine::getEngine()) {
            engine->registerTimer(this);
            registered = true;
        }
        unregistered = false;
    }
    begin(ms, 0);
}

void FGTimer::startAt(int ms, int alreadyElapsed)
{
    begin(ms, alreadyElapsed);
}

void FGTimer::begin(int ms, int alreadyElapsed)
{
    FGEngine const* engine = FGEngine::getEngine();
    float const factor = engine ? engine->GetClockSpeed() : 1.0f;
    if (factor != 1.0f && factor != 0.0f)
        ms = static_cast<int>(static_cast<float>(ms) / factor);
    duration = ms;
    startTime = clock() - alreadyElapsed;
    endTime = startTime + duration;
    paused = false;
}

void FGTimer::pause()
{
    if (paused)
        return;
    pausedElapsed = clock() - startTime;
    paused = true;
}

void FGTimer::resume()
{
    if (!paused)
        return;
    startTime = clock() - pausedElapsed;
    endTime = startTime + duration;
    paused = false;
}

void FGTimer::advance(int ms)
{
    startTime -= ms;
    endTime -= ms;
}

int FGTimer::elapsedTime() const
{
    return paused ? pausedElapsed : clock() - startTime;
}

int FGTimer::remainingTime() const
{
    return paused ? duration - pausedElapsed : endTime - clock();
}

bool FGTimer::isOver() const
{
    if (PresentationHooks::Get().IsSkipping())
        return true;
    return paused ? pausedElapsed >= duration : clock() > endTime;
}

void FGTimer::setSuperTimer(FGTimer* timer)
{
    if (paused) {
        superTimer = timer;
        return;
    }
    pause();
    superTimer = timer;
    resume();
}

void FGTimer::save(FGDataWriter& writer)
{
    pause();
    writer.writeInt(duration);
    writer.writeInt(elapsedTime());
}

void FGTimer::load(FGDataReader& reader)
{
    duration = reader.readInt();
    pausedElapsed = reader.readInt();
    paused = true;
}

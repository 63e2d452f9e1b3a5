// Forwarding the rules' engine services to the framework engine.
#include "qrvl/original/rules/EngineRules.h"

#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/port/SoundManager.h"

int EngineRules::rand()
{
    FGEngine* engine = FGEngine::getEngine();
    return engine ? engine->rand() : RulesEngine::rand();
}

unsigned EngineRules::timeMs() const
{
    return FGEngine::clock();
}

int EngineRules::getTickTime() const
{
    FGEngine* engine = FGEngine::getEngine();
    return engine ? engine->getTickTime() : 0;
}

float EngineRules::GetTimeDistortionFactor() const
{
    FGEngine* engine = FGEngine::getEngine();
    return engine ? engine->GetTimeDistortionFactor() : 1.0f;
}

float EngineRules::GetClockSpeed() const
{
    FGEngine* engine = FGEngine::getEngine();
    return engine ? engine->GetClockSpeed() : 1.0f;
}

FGFileSystem& EngineRules::getFileSystem()
{
    FGEngine* engine = FGEngine::getEngine();
    return engine ? engine->getFileSystem() : RulesEngine::getFileSystem();
}

void EngineRules::playSound(const char* name)
{
    SoundManager::GetInstance().PlaySound(name);
}

void EngineRules::stopSound(const char* name)
{
    SoundManager::GetInstance().StopSoundSpec(name);
}

void EngineRules::fatal(const char* message)
{
    FGEngine::fatal(message);
}

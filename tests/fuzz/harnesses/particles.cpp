// Particle emitter descriptions: an emitter read from the description, then
// run for a few seconds of emitting, ageing and building its quads.
#include "FuzzFolder.h"
#include "norv/base/core/SmartPtr.h"
#include "qrvl/port/Particles.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.xml", data, size);
    Particles::SeedRandom(1);
    Norv::SmartPtr<Particles> emitter(new Particles("input.xml"));
    for (int frame = 0; frame < 20; ++frame)
        emitter->Update(0.1f);
    return 0;
}

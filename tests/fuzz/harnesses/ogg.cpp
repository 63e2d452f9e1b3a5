// Ogg Vorbis sounds: the header read, then every sample filled, rewound and
// sought as the mixer does.
#include "FuzzFolder.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioOgg.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.ogg", data, size);
    Norv::SmartPtr<Norv::AudioOgg> ogg(Norv::AudioOgg::Create(Norv::NarrowString("input.ogg")));
    if (!ogg)
        return 0;
    char buffer[4096];
    while (ogg->Fill(buffer, sizeof buffer) > 0) {
    }
    ogg->Seek(ogg->Size() / 2);
    ogg->Fill(buffer, sizeof buffer);
    ogg->Restart();
    ogg->Fill(buffer, sizeof buffer);
    return 0;
}

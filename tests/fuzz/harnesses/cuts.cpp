// Cut files (".cut"): the cuts and animations of a picture sheet read and
// looked up by name.
#include "FuzzFolder.h"
#include "qrvl/original/framework/FGCuts.h"
#include "qrvl/original/framework/FGFileSystem.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.cut", data, size);
    FGFileSystem files;
    FGCuts cuts;
    if (cuts.init(files, 512, 256, "input.cut")) {
        cuts.getCut("button");
        cuts.getAnimation("spin");
    }
    return 0;
}

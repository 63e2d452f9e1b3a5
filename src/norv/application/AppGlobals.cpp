// Access to the application's globals in the component table.
#include "norv/application/AppGlobals.h"

#include "norv/application/Globals.h"

namespace Norv {

AppGlobals* AppGlobals::Get()
{
    return static_cast<AppGlobals*>(Globals::GetGlobals()[Globals::AppGlobalsId].Get());
}

} // namespace Norv

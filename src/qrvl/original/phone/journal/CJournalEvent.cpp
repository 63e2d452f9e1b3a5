// Looking up the parameter slots of a journal event.
#include "qrvl/original/phone/journal/CJournalEvent.h"

int CJournalEvent::HasParameterType(ParameterType kind) const
{
    for (size_t i = 0; i < parameters.size(); ++i) {
        if (parameters[i] == kind)
            return static_cast<int>(i);
    }
    return -1;
}

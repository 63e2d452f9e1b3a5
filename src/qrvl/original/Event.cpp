// The saved form of a notice: five int32.
#include "qrvl/original/Event.h"

#include "qrvl/original/FGDataReader.h"
#include "qrvl/original/FGDataWriter.h"

void Event::save(FGDataWriter* writer) const
{
    writer->writeInt(type);
    writer->writeInt(subject);
    writer->writeInt(amount);
    writer->writeInt(flag);
    writer->writeInt(sub);
}

void Event::load(FGDataReader* reader)
{
    type = reader->readInt();
    subject = reader->readInt();
    amount = reader->readInt();
    flag = reader->readInt();
    sub = reader->readInt();
}

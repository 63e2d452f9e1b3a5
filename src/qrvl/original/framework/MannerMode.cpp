// The silent-profile query, answered at once on the desktop.
#include "qrvl/original/framework/MannerMode.h"

bool MannerMode::Initialize(void* context)
{
    if (requestState == RequestDone)
        return true;
    if (requestState == Requesting)
        return false;
    requestState = Requesting;
    request.reset(new Request);
    request->context = context;
    soundAllowed = vibrationAllowed = true;
    Done();
    return true;
}

void MannerMode::Done()
{
    requestState = RequestDone;
    if (!request)
        return;
    request->done = true;
    if (!request->busy || request->cancelled)
        request.reset();
}

void MannerMode::Check()
{
    soundAllowed = vibrationAllowed = true;
    Done();
}

void MannerMode::Release(std::unique_ptr<MannerMode>& holder)
{
    if (holder && holder->request)
        holder->Done();
    holder.reset();
}

bool MannerMode::HandleEvent(std::unique_ptr<MannerMode>& holder, void* context, int code)
{
    switch (code) {
    case EventCreate:
        if (!holder)
            holder.reset(new MannerMode);
        return !holder->Initialize(context);
    case EventCancel: {
        bool const wasRequesting = holder && holder->requestState == Requesting;
        if (holder && holder->request && !holder->request->done)
            holder->request->cancelled = true;
        Release(holder);
        return wasRequesting;
    }
    case EventBusy:
        if (holder && holder->request)
            holder->request->busy = true;
        return false;
    case EventIdle:
        if (holder && holder->request) {
            holder->request->busy = false;
            if (holder->request->done)
                holder->Done();
        }
        return false;
    default:
        return holder && holder->requestState != RequestDone;
    }
}

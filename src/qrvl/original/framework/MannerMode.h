// Whether the device's silent profile allows sound and vibration. A desktop
// has no such profile: a request is answered at once, allowing both.
#pragma once

#include <memory>

class MannerMode {
public:
    enum RequestState {
        NoRequest = 0,
        Requesting = 1,
        RequestDone = 2,
    };
    // Events of HandleEvent.
    enum EventCode {
        EventCreate = 0,
        EventCancel = 1,
        EventBusy = 2,
        EventIdle = 3,
    };

    // True once answered; false while a request runs.
    bool Initialize(void* context);
    void Done();
    void Check();
    // Ends the holder's object and clears the holder.
    static void Release(std::unique_ptr<MannerMode>& holder);
    static bool HandleEvent(std::unique_ptr<MannerMode>& holder, void* context, int code);

    bool IsSoundAllowed() const { return soundAllowed; }
    bool IsVibrationAllowed() const { return vibrationAllowed; }
    RequestState GetRequestState() const { return requestState; }

private:
    struct Request {
        void* context = nullptr;
        bool busy = false;
        bool done = false;
        bool cancelled = false;
    };

    std::unique_ptr<Request> request;
    bool soundAllowed = false;
    bool vibrationAllowed = false;
    RequestState requestState = NoRequest;
};

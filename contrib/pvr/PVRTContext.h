// The rendering context record some toolkit calls accept; nothing on this
// platform needs anything in it.
#pragma once

struct SPVRTContext {
};

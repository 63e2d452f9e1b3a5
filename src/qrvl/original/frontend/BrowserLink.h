// Following a web link from the menus.
#pragma once

namespace qrvl {

// Opens the address in the user's web browser; when no browser can be
// started, a message tells the player so and shows the address to open by
// hand.
void FollowWebLink(char const* address);

} // namespace qrvl

// Answers that screens and dialogs leave in lastChoice, besides the index of
// the choice made, for the mode below them.
#pragma once

enum ScreenAnswer {
    kAnswerYes = 0,    // also the first of two choices
    kAnswerBack = -1,  // left without choosing
    kAnswerQuit = -3,  // the player asked to quit the game
};
